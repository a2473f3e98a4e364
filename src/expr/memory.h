#pragma once
// Named memory variables: the store command "#[name]" and the look-up "$[name]".

#include <optional>
#include <string>
#include <string_view>

#include "state/context.h"

namespace plotmere {

class Memory {
public:
    explicit Memory(Context& ctx) : ctx_(ctx) {}

    // Stores the number shown in Result under the name inside memstring.
    void MemStore(std::string_view memstring);
    // The value stored under varname; empty (with a message and the three
    // flags set) when there is none.
    std::optional<float> MemLookup(std::string_view varname);

private:
    void storeNew(const std::string& name);
    void grow();
    void reportStoreFailure(const std::string& name);

    Context& ctx_;
};

// The Result caption as a single-precision number, if it is one.
std::optional<float> CaptionAsSingle(const std::string& caption);

}  // namespace plotmere
