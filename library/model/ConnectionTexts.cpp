#include "model/ConnectionTexts.h"

#include "data/ConnectionText.h"
#include "model/CodeLiterals.h"
#include "model/ConnectionManager.h"

namespace orvane {

namespace {
std::string Quoted(const std::string& literal) { return "\"" + literal + "\""; }
}  // namespace

// Every typed value goes into the connection strings by the ODBC brace rule, and the Java and
// C# texts are string literals of their language, escaped as such.
void ConnectionTexts::Compose(const ConnectionInput& input, ConnectionManager& manager) {
    using data::ConnectionValue;
    const std::string uid = ConnectionValue(input.uid);
    const std::string pwd = ConnectionValue(input.pwd);
    const std::string database = ConnectionValue(input.database);
    std::string ado = "UID=" + uid + ";" + "PWD=" + pwd + ";";
    std::string url;
    std::string csharp;
    if (!input.dsn.empty() && input.dsn != "(None)") {
        const std::string dsn = ConnectionValue(input.dsn);
        manager.sSelectedDSN = input.dsn;
        ado += "DSN=" + dsn + ";";
        url = "jdbc:odbc:" + dsn;
        csharp = "DSN=" + dsn + ";";
    } else {
        const std::string driver = ConnectionValue(input.driver);
        const std::string server = ConnectionValue(input.server);
        manager.sSelectedDSN = input.database + ";";
        ado += " Driver=" + driver + ";" + " Server=" + server + ";";
        // Without a data source name the address carries the driver's attributes itself.
        url = "jdbc:odbc:Driver=" + driver + ";Server=" + server;
        csharp = "Driver=" + driver + "; Server=" + server + ";";
    }
    if (!input.database.empty()) {
        ado += " Database=" + database + ";";
        url += ";DB=" + database;
        csharp += " Database=" + database + ";";
    }
    manager.sADOConnect = "PROVIDER=MSDASQL;" + ado;
    manager.sJavaConnect = Quoted(JavaLiteral(url)) + "," + Quoted(JavaLiteral(input.uid)) + "," +
                           Quoted(JavaLiteral(input.pwd));
    csharp += " user_id=" + uid + "; password=" + pwd + ";";
    manager.sCSharpConnect = Quoted(CSharpLiteral(csharp));
}

void ConnectionTexts::Cancel(ConnectionManager& manager) {
    manager.sJavaConnect.clear();
    manager.sADOConnect.clear();
}

}  // namespace orvane
