#pragma once

namespace orvane {

// Gives a new widget its object name (the classic control name tests and scripts look for).
template <class Object>
Object* Named(Object* object, const char* name) {
    object->setObjectName(name);
    return object;
}

}  // namespace orvane
