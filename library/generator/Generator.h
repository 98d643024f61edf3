#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/Export.h"
#include "templates/Template.h"

namespace orvane {

class Config;
class ODBCField;
class ODBCTable;

// Produces the nine texts of a loaded table. Generation routines have no error handling of
// their own: a failure is thrown to the caller of Generate.
class ORVANE_API Generator {
  public:
    std::shared_ptr<Config> CurrentConfig() const { return config_; }
    void SetCurrentConfig(std::shared_ptr<Config> config) { config_ = std::move(config); }
    void SetTable(std::shared_ptr<ODBCTable> table) { table_ = std::move(table); }
    ::orvane::Template& Template() { return template_; }

    bool isActive() const { return active_; }
    void Activate() { active_ = true; }
    void DeActivate() { active_ = false; }

    // True when the screen's record says Enabled = 1. Throws for a screen without a record.
    bool Enabled(std::int32_t scr) const;
    // Runs the screen's routine; returns its text when the screen is enabled, else "".
    std::string Generate(std::int32_t scr);

    std::string GenXSD();
    std::string GenBiz();
    std::string GenDTD();
    std::string GenXML();
    std::string GenSQL();
    std::string GenVB();
    std::string GenJava();
    std::string GenCSharp();
    std::string GenVbNet();

    // The name rule for table names and aliases, with the screen's case rule.
    std::string FixFieldName(const std::string& FieldName, std::int32_t scr) const;
    std::string ToOraChar(const ODBCField& field) const;

    // Progress for the status line ("Generated n XML records." ...).
    std::function<void(const std::string&)> Notify;

    // The table and configuration a routine works on; throw when none was set.
    ODBCTable& RequireTable() const;
    Config& RequireConfig() const;
    void RaiseNotify(const std::string& message) const;
    // Runs write(i) for the rows 1 to `rows` as every row loop does: after each row it stops
    // when the generator was deactivated, else lets the host process its events and reports
    // every 100 rows as "Generated <i> <what>.".
    void ForEachRow(std::size_t rows, const std::string& what,
                    const std::function<void(std::size_t)>& write) const;

  private:
    std::shared_ptr<Config> config_;
    bool active_ = false;
    std::shared_ptr<ODBCTable> table_;
    ::orvane::Template template_;
};

}  // namespace orvane
