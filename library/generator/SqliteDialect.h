#pragma once

#include "generator/SqlDialect.h"

namespace orvane {

// SQLite, run by the sqlite3 shell. Declared types are the ones its ODBC driver reads back as
// the same column types; dates and times are stored as ISO text.
class SqliteDialect : public SqlDialect {
  public:
    SqlDialectId Id() const override { return SqlDialectId::SQLite; }
    std::string Prologue() const override;
    std::string BeginInserts() const override { return "BEGIN;\r\n"; }
    std::string EndInserts() const override { return "COMMIT;\r\n"; }
    void AppendText(std::string& out, std::string_view text) const override;

  protected:
    const TypeNames& Types() const override;
    void AppendBinary(std::string& out, std::string_view bytes) const override;
    void AppendBoolean(std::string& out, bool value) const override;
    std::array<std::string_view, 3> SpecialLiterals() const override {
        // What SQLite itself writes for the infinities; it keeps no NaN (it stores NULL).
        return {"9e999", "-9e999", "NULL"};
    }
    std::string TextOf(const std::string& name, const ScriptColumn& column) const override;
};

}  // namespace orvane
