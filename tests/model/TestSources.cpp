#include "TestSources.h"

#include "model/ConnectionManager.h"

namespace orvane::test {

ConnectionInput SqliteSample() { return {"OrvaneSample", "", "", "", "", ""}; }

ConnectionInput PostgresTest() { return {"OrvanePgTest", "orvane", "orvane_pw", "", "", ""}; }

std::unique_ptr<data::Connection> OpenSource(const ConnectionInput& input) {
    ConnectionManager manager;
    ConnectionTexts::Compose(input, manager);
    auto connection = std::make_unique<data::Connection>();
    connection->Open(manager.ADOConnect());
    return connection;
}

}  // namespace orvane::test
