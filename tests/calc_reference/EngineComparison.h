#pragma once

#include "ReferenceDriver.h"
#include "calc/basCalcMain.h"

#include <string>
#include <vector>

namespace zul::reference {

// Every place where the engine's results differ from the reference, as readable lines
// "member: engine X, reference Y" with all digits.
class Differences {
public:
    void Check(const std::string& where, double engine, double reference);
    void Check(const std::string& where, std::int64_t engine, std::int64_t reference);
    void Check(const std::string& where, bool engine, bool reference);
    bool empty() const { return lines_.empty(); }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// Compares every member of one calculation object with the reference case, lists included.
void CompareCase(const CZul& engine, const PileCase& reference, const std::string& prefix, Differences& out);

// Compares the count, the used diameters and every row of the results table.
void CompareTable(const basCalcMain& engine, const TableResult& reference, Differences& out);

} // namespace zul::reference
