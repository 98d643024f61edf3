#pragma once

// The library is built with hidden visibility; what programs may call is marked with this.
#define ORVANE_API __attribute__((visibility("default")))
