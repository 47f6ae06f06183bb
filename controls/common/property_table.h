// Each control's stored keys in one table: the key's name, the value an absent key loads as, the save default
// (or none: always written), how a stored value is applied and how the current value is read. The one table
// drives the new instance, load and save, so a key cannot be loaded one way and saved another.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "controls/common/property_bag.h"

namespace kit {

template <typename Model>
struct PropertyKey {
    const wchar_t* name;
    Value loadDefault;
    std::optional<Value> saveDefault;  // none: the key is always written
    // Converts a stored value and applies it; false when the conversion or the property refuses it.
    bool (*apply)(Model&, const Value&);
    Value (*read)(const Model&);
};

template <typename Model>
using PropertyTable = std::vector<PropertyKey<Model>>;

// Loads every key in table order and stops at the first that fails, naming it in `stoppedAt` when given.
template <typename Model>
bool LoadKeys(Model& model, const PropertyBag& bag, const PropertyTable<Model>& table,
              std::wstring* stoppedAt = nullptr) {
    for (const PropertyKey<Model>& key : table) {
        if (!key.apply(model, bag.Read(key.name, key.loadDefault))) {
            if (stoppedAt) *stoppedAt = key.name;
            return false;
        }
    }
    return true;
}

// Writes every key in table order with its current value; the bag leaves out a value equal to the save default.
template <typename Model>
bool SaveKeys(const Model& model, PropertyBag& bag, const PropertyTable<Model>& table) {
    for (const PropertyKey<Model>& key : table) {
        if (key.saveDefault)
            bag.Write(key.name, key.read(model), *key.saveDefault);
        else
            bag.WriteAlways(key.name, key.read(model));
    }
    return true;
}

// Applies values to the named keys through the table, in the order given (a new instance's first values);
// stops at the first that fails.
template <typename Model>
bool ApplyKeys(Model& model, const PropertyTable<Model>& table,
               std::initializer_list<std::pair<const wchar_t*, Value>> values) {
    for (const auto& v : values) {
        const PropertyKey<Model>* key = nullptr;
        for (const PropertyKey<Model>& k : table)
            if (std::wstring(k.name) == v.first) key = &k;
        if (!key || !key->apply(model, v.second)) return false;
    }
    return true;
}

// Calls a property's write with a converted value; a write that returns bool may refuse it.
template <typename Model, typename Set, typename T>
bool WriteConverted(Model& model, Set set, const std::optional<T>& converted) {
    if (!converted) return false;
    if constexpr (std::is_same_v<decltype((model.*set)(*converted)), bool>)
        return (model.*set)(*converted);
    else {
        (model.*set)(*converted);
        return true;
    }
}

inline Value StoredBool(bool flag) { return Value::Bool16(flag ? kTrue : kFalse); }

// Rows for the common kinds of key, written and read through a property's write (Set) and read (Get); `def` is
// both the load and the save default.
template <typename Model, auto Set, auto Get>
PropertyKey<Model> ColourKey(const wchar_t* name, Value def) {
    return {name, def, def, [](Model& m, const Value& v) { return WriteConverted(m, Set, ToColor(v)); },
            [](const Model& m) { return Value::Color((m.*Get)()); }};
}

template <typename Model, auto Set, auto Get>
PropertyKey<Model> FlagKey(const wchar_t* name, Value def) {
    return {name, def, def,
            [](Model& m, const Value& v) {
                const std::optional<std::int16_t> b = ToBool16(v);
                return WriteConverted(m, Set, b ? std::optional<bool>(*b != 0) : std::nullopt);
            },
            [](const Model& m) { return StoredBool((m.*Get)()); }};
}

template <typename Model, auto Set, auto Get>
PropertyKey<Model> TextKey(const wchar_t* name, Value def) {
    return {name, def, def, [](Model& m, const Value& v) { return WriteConverted(m, Set, ToText(v)); },
            [](const Model& m) { return Value((m.*Get)()); }};
}

template <typename Model, auto Set, auto Get>
PropertyKey<Model> Int16Key(const wchar_t* name, Value def) {
    return {name, def, def, [](Model& m, const Value& v) { return WriteConverted(m, Set, ToInt16(v)); },
            [](const Model& m) { return Value(static_cast<int>((m.*Get)())); }};
}

template <typename Model, auto Set, auto Get>
PropertyKey<Model> Int32Key(const wchar_t* name, Value def) {
    return {name, def, def, [](Model& m, const Value& v) { return WriteConverted(m, Set, ToInt32(v)); },
            [](const Model& m) { return Value(static_cast<int>((m.*Get)())); }};
}

}  // namespace kit
