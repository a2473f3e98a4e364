#include "expr/memory.h"

#include <cmath>
#include <limits>

#include "expr/number_text.h"

namespace plotmere {

namespace {

constexpr int MemCountMax = 32767;

const char* const StoreFormatLines[] = {
    "Either the result box does not ", "contain a number or the command ", "is not correct.",
    "The format of the memory store ", "command is: ",                     "#[anyword]",
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
    for (int i = 0; i < s.MemCount; ++i) {
        if (s.MemNames[i] == name) {
            auto value = CaptionAsSingle(s.Result.Caption);
            if (!value) return reportStoreFailure(name);
            s.MemValues[i] = *value;
            return;
        }
    }
    storeNew(name);
}

void Memory::storeNew(const std::string& name) {
    ConsoleState& s = ctx_.s;
    s.MemNames[s.MemCount] = name;
    auto value = CaptionAsSingle(s.Result.Caption);
    if (!value) return reportStoreFailure(name);
    s.MemValues[s.MemCount] = *value;
    if (s.MemCount == MemCountMax) return reportStoreFailure(name);
    ++s.MemCount;
    if (s.MemCount > s.MemLimit) grow();
    if (!s.ScriptMode) ctx_.SetStatus(name + " stored.");
}

void Memory::grow() {
    ConsoleState& s = ctx_.s;
    ctx_.MsgBox("Memory expanding...");
    s.MemLimit += 100;
    s.MemNames.resize(s.MemLimit + 2);
    s.MemValues.resize(s.MemLimit + 2, 0.0f);
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
    for (int i = 0; i <= s.MemLimit; ++i) {
        if (s.MemNames[i] == varname) return s.MemValues[i];
    }
    ctx_.MsgBox("Variable " + std::string(varname) + " not found.");
    s.signalallerrors();
    return std::nullopt;
}

}  // namespace plotmere
