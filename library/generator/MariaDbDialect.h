#pragma once

#include "generator/SqlDialect.h"

namespace orvane {

// MariaDB (and MySQL), run by the mariadb client. Backslashes escape in its literals unless
// the server is told otherwise, which the script does not rely on: it clears that mode and
// escapes them.
class MariaDbDialect : public SqlDialect {
  public:
    SqlDialectId Id() const override { return SqlDialectId::MariaDB; }
    std::string Prologue() const override;
    std::string BeginInserts() const override { return "START TRANSACTION;\r\n"; }
    std::string EndInserts() const override { return "COMMIT;\r\n"; }
    void AppendText(std::string& out, std::string_view text) const override;

  protected:
    const TypeNames& Types() const override;
    void AppendBinary(std::string& out, std::string_view bytes) const override;
    void AppendBoolean(std::string& out, bool value) const override;
    std::string TextOf(const std::string& name, const ScriptColumn& column) const override;
    char OpenQuote() const override { return '`'; }
    char CloseQuote() const override { return '`'; }
    std::string_view ConcatOpen() const override { return "CONCAT("; }
    std::string_view ConcatJoin() const override { return ", "; }
    std::string_view ConcatClose() const override { return ")"; }
    std::string TableOptions() const override;
};

}  // namespace orvane
