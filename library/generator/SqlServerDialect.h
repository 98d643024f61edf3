#pragma once

#include "generator/SqlDialect.h"

namespace orvane {

// SQL Server, run by sqlcmd. sqlcmd replaces $(name) anywhere and reads commands at the start
// of lines, so no "$" and no line break stands in a literal.
class SqlServerDialect : public SqlDialect {
  public:
    SqlDialectId Id() const override { return SqlDialectId::SqlServer; }
    std::string Prologue() const override;
    std::string BeginInserts() const override { return "BEGIN TRANSACTION;\r\n"; }
    std::string EndInserts() const override { return "COMMIT TRANSACTION;\r\n"; }
    void AppendText(std::string& out, std::string_view text) const override;
    bool KeepsSqlServerTrigger() const override { return true; }

  protected:
    const TypeNames& Types() const override;
    void AppendBinary(std::string& out, std::string_view bytes) const override;
    void AppendBoolean(std::string& out, bool value) const override;
    std::string TextOf(const std::string& name, const ScriptColumn& column) const override;
    char OpenQuote() const override { return '['; }
    char CloseQuote() const override { return ']'; }
    std::string_view ForbiddenInNames() const override { return "$("; }
    std::string_view ConcatJoin() const override { return " + "; }
};

}  // namespace orvane
