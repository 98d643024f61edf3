#pragma once

#include "generator/SqlDialect.h"

namespace orvane {

// PostgreSQL, run by psql. The script sets the client encoding and standard strings itself, so
// a backslash in a literal is the character.
class PostgresDialect : public SqlDialect {
  public:
    SqlDialectId Id() const override { return SqlDialectId::PostgreSQL; }
    std::string Prologue() const override;
    std::string BeginInserts() const override { return "BEGIN;\r\n"; }
    std::string EndInserts() const override { return "COMMIT;\r\n"; }
    void AppendText(std::string& out, std::string_view text) const override;

  protected:
    const TypeNames& Types() const override;
    void AppendBinary(std::string& out, std::string_view bytes) const override;
    void AppendBoolean(std::string& out, bool value) const override;
    std::array<std::string_view, 3> SpecialLiterals() const override {
        return {"'Infinity'", "'-Infinity'", "'NaN'"};
    }
    std::string TextOf(const std::string& name, const ScriptColumn& column) const override;
};

}  // namespace orvane
