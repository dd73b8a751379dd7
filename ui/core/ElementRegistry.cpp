#include "ui/core/ElementRegistry.h"

#include <unordered_map>

namespace corvatto::ui {
namespace {

// Element handle -> its host. Only the UI thread creates and destroys elements.
std::unordered_map<Field, Field>& Registry()
{
    static std::unordered_map<Field, Field> registry;
    return registry;
}

} // namespace

void RegisterElement(Field host, Field element)
{
    Registry()[element] = host;
}

void UnregisterElement(Field element)
{
    Registry().erase(element);
}

bool IsLiveElement(Field host, Field element)
{
    auto found = Registry().find(element);
    return found != Registry().end() && found->second == host && host != 0;
}

bool IsLiveElement(Field element)
{
    return Registry().contains(element);
}

} // namespace corvatto::ui
