#include "expr/memory.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "expr/number_text.h"

namespace plotmere {

namespace {

constexpr int MemCountMax = 32767;
constexpr int MemGrowth = 100;  // slots added each time the table is full

const char* const StoreFormatLines[] = {
    "Either the result box does not ",
    "contain a number or the command ",
    "is not correct.",
    "The format of the memory store ",
    "command is: ",
    "#[anyword]",
};

}  // namespace

std::optional<float> CaptionAsSingle(const std::string& caption) {
    auto value = ParseNumber(caption);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(*value);
}

void Memory::MemStore(std::string_view memstring) {
    if (memstring.size() < 3) {
        reportStoreFailure("");
        return;
    }
    const std::string name(memstring.substr(2, memstring.size() - 3));
    ConsoleState& s = ctx_.s;
    if (name == "RESET") s.ResetMemory();
    const auto inUse = s.MemTable.begin() + s.MemCount;
    const auto found =
        std::find_if(s.MemTable.begin(), inUse, [&](const MemEntry& e) { return e.name == name; });
    if (found == inUse) return storeNew(name);
    auto value = CaptionAsSingle(s.Result.Caption);
    if (!value) return reportStoreFailure(name);
    found->value = *value;
}

void Memory::storeNew(const std::string& name) {
    ConsoleState& s = ctx_.s;
    MemEntry& entry = s.MemTable[static_cast<size_t>(s.MemCount)];
    entry.name = name;
    auto value = CaptionAsSingle(s.Result.Caption);
    if (!value) return reportStoreFailure(name);
    entry.value = *value;
    if (s.MemCount == MemCountMax) return reportStoreFailure(name);
    ++s.MemCount;
    if (s.MemCount > s.MemLimit()) grow();
    if (!s.ScriptMode()) ctx_.SetStatus(name + " stored.");
}

void Memory::grow() {
    ConsoleState& s = ctx_.s;
    ctx_.MsgBox("Memory expanding...");
    s.MemTable.resize(s.MemTable.size() + MemGrowth);
}

void Memory::reportStoreFailure(const std::string& name) {
    std::string text;
    for (const char* line : StoreFormatLines) text += std::string(line) + '\r';
    text += "Your anyword was " + name;
    ctx_.MsgBox(text);
    ctx_.s.signalallerrors();
}

std::optional<float> Memory::MemLookup(std::string_view varname) {
    ConsoleState& s = ctx_.s;
    const auto found = std::find_if(s.MemTable.begin(), s.MemTable.end(),
                                    [&](const MemEntry& e) { return e.name == varname; });
    if (found != s.MemTable.end()) return found->value;
    ctx_.MsgBox("Variable " + std::string(varname) + " not found.");
    s.signalallerrors();
    return std::nullopt;
}

}  // namespace plotmere
