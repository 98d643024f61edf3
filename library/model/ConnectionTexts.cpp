#include "model/ConnectionTexts.h"

#include "model/ConnectionManager.h"

namespace orvane {

void ConnectionTexts::Compose(const ConnectionInput& input, ConnectionManager& manager) {
    const std::string quote = "\"";
    std::string ado = "UID=" + input.uid + ";" + "PWD=" + input.pwd + ";";
    if (!input.dsn.empty() && input.dsn != "(None)") {
        manager.sSelectedDSN = input.dsn;
        ado += "DSN=" + input.dsn + ";";
        manager.sJavaConnect = quote + "jdbc:odbc:" + input.dsn;
        manager.sCSharpConnect = quote + "DSN=" + input.dsn + ";";
    } else {
        // Without a data source name there is no JDBC address to build: the Java text keeps
        // what it held before.
        manager.sSelectedDSN = input.database + ";";
        ado += " Driver=" + input.driver + ";" + " Server=" + input.server + ";";
        manager.sCSharpConnect =
            quote + "Driver=" + input.driver + "; Server=" + input.server + ";";
    }
    if (!input.database.empty()) {
        ado += " Database=" + input.database + ";";
        manager.sJavaConnect += ";DB=" + input.database;
        manager.sCSharpConnect += " Database=" + input.database + ";";
    }
    const std::string q = "\",\"";
    manager.sJavaConnect += q + input.uid + q + input.pwd + quote;
    manager.sADOConnect = "PROVIDER=MSDASQL;" + ado;
    manager.sCSharpConnect += " user_id=" + input.uid + "; password=" + input.pwd + ";\"";
}

void ConnectionTexts::Cancel(ConnectionManager& manager) {
    manager.sJavaConnect.clear();
    manager.sADOConnect.clear();
}

}  // namespace orvane
