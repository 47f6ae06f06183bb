// Each control's stored keys in one table: the key's name, the value read when the bag lacks it, the value a save
// leaves out, how a value reaches the model and how it comes back. One walk over the table loads, another saves and
// a third makes a new instance, so a key's order and defaults are written once. Tables are plain constant data
// (names, literals, function pointers): they are built by the compiler and cost nothing at start-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>
#include <type_traits>

#include "controls/common/property_bag.h"

namespace kit {

// The context of a table whose defaults need nothing beyond the model.
struct NoContext {};

// A constant default value, kept as plain data so that a table of keys is constant-initialised.
class Literal {
public:
    // As a load default: the empty value. As a save default: the key is written every time.
    static constexpr Literal Empty() { return Literal(Kind::None, nullptr, 0); }
    static constexpr Literal Always() { return Empty(); }
    static constexpr Literal Text(const wchar_t* text) { return Literal(Kind::Text, text, 0); }
    static constexpr Literal Whole(std::int64_t number) { return Literal(Kind::Whole, nullptr, number); }
    static constexpr Literal Color(OleColor color) { return Literal(Kind::Color, nullptr, color); }
    static constexpr Literal Flag(bool flag) { return Literal(Kind::Flag, nullptr, flag ? 1 : 0); }

    constexpr bool IsEmpty() const { return kind_ == Kind::None; }
    kit::Value Make() const {
        switch (kind_) {
            case Kind::Text:
                return kit::Value(text_);
            case Kind::Whole:
                return kit::Value(number_);
            case Kind::Color:
                return kit::Value::Color(static_cast<OleColor>(number_));
            case Kind::Flag:
                return kit::Value(number_ != 0);
            case Kind::None:
                break;
        }
        return kit::Value();
    }

private:
    enum class Kind : std::uint8_t { None, Text, Whole, Color, Flag };
    constexpr Literal(Kind kind, const wchar_t* text, std::int64_t number)
        : kind_(kind), text_(text), number_(number) {}
    Kind kind_;
    const wchar_t* text_;
    std::int64_t number_;
};

// A key's default: a literal, or a value taken from the model or from the container (the context) when needed.
template <class Model, class Context = NoContext>
struct KeyDefault {
    using From = kit::Value (*)(const Model&, const Context&);
    constexpr KeyDefault(Literal constant) : literal(constant) {}
    constexpr KeyDefault(From source) : from(source) {}

    bool WritesAlways() const { return !from && literal.IsEmpty(); }
    kit::Value Make(const Model& model, const Context& context) const {
        return from ? from(model, context) : literal.Make();
    }

    Literal literal = Literal::Empty();
    From from = nullptr;
};

// One stored key. `read` converts the bag's value and applies it, through a property (which notifies its
// container) or straight to the parts (which does not), as the control loads that key; it returns false when the
// value does not convert or the model refuses it, and the load stops there.
template <class Model, class Context = NoContext>
struct PropertyKey {
    const wchar_t* name;
    KeyDefault<Model, Context> load;  // read when the bag lacks the key
    KeyDefault<Model, Context> save;  // a saved value the same as this is left out; Literal::Always() keeps it
    bool (*read)(Model&, const kit::Value&);
    kit::Value (*write)(const Model&);
};

// One step of a new instance: `value` applied by the named key's read, or by `apply` where a new instance sets
// the property differently from a load (`key` may then be null for a step that belongs to no key).
template <class Model, class Context = NoContext>
struct NewInstanceStep {
    const wchar_t* key;
    KeyDefault<Model, Context> value;
    bool (*apply)(Model&, const kit::Value&) = nullptr;
};

// Which key stopped a load; none when every key was applied.
struct LoadResult {
    const wchar_t* stoppedAt = nullptr;
    explicit operator bool() const { return stoppedAt == nullptr; }
};

// A stopped load of the control an instance is called `control` as one line of text, for a trace.
inline std::wstring DescribeStop(std::wstring_view control, const LoadResult& result) {
    return L"the load of " + std::wstring(control) + L" stopped at the value of " +
           (result.stoppedAt ? result.stoppedAt : L"");
}

// A control's table: its keys in load order, the order they are saved in when it differs, and the steps of a new
// instance.
template <class Model, class Context = NoContext>
class PropertyTable {
public:
    using Key = PropertyKey<Model, Context>;
    using Step = NewInstanceStep<Model, Context>;

    template <std::size_t N>
    constexpr explicit PropertyTable(const Key (&keys)[N]) : keys_(keys), count_(N) {}

    template <std::size_t N>
    constexpr PropertyTable SavedInOrder(const wchar_t* const (&names)[N]) const {
        PropertyTable t = *this;
        t.saveOrder_ = names;
        t.saveCount_ = N;
        return t;
    }
    template <std::size_t N>
    constexpr PropertyTable NewInstance(const Step (&steps)[N]) const {
        PropertyTable t = *this;
        t.steps_ = steps;
        t.stepCount_ = N;
        return t;
    }

    const Key* begin() const { return keys_; }
    const Key* end() const { return keys_ + count_; }
    std::size_t size() const { return count_; }
    const Step* stepsBegin() const { return steps_; }
    const Step* stepsEnd() const { return steps_ + stepCount_; }

    // The key of that exact name, or null.
    const Key* Find(const wchar_t* name) const {
        if (!name) return nullptr;
        for (const Key& key : *this)
            if (std::wcscmp(key.name, name) == 0) return &key;
        return nullptr;
    }

    // Applies each key from the bag in order; stops at the first key whose value does not convert or is refused.
    LoadResult Load(Model& model, const PropertyBag& bag, const Context& context = Context()) const {
        for (const Key& key : *this)
            if (!key.read(model, bag.Read(key.name, key.load.Make(model, context)))) return {key.name};
        return {};
    }

    // Writes every key in the save order; the bag leaves out a value equal to the key's save default.
    void Save(const Model& model, PropertyBag& bag, const Context& context = Context()) const {
        if (!saveOrder_) {
            for (const Key& key : *this) SaveKey(key, model, bag, context);
            return;
        }
        for (std::size_t i = 0; i < saveCount_; ++i)
            if (const Key* key = Find(saveOrder_[i])) SaveKey(*key, model, bag, context);
    }

    // Runs the new-instance steps in order. A new instance has nothing to refuse, so results are not looked at.
    void InitNew(Model& model, const Context& context = Context()) const {
        for (const Step* step = stepsBegin(); step != stepsEnd(); ++step) {
            const Key* key = Find(step->key);
            bool (*apply)(Model&, const kit::Value&) = step->apply ? step->apply : key ? key->read : nullptr;
            if (apply) apply(model, step->value.Make(model, context));
        }
    }

    // Whether the table is well formed: names unique, the save order a reordering of the keys, every step naming
    // a key or bringing its own apply. For tests.
    bool WellFormed() const {
        for (const Key& key : *this) {
            if (!key.name || !key.read || !key.write || Count(key.name) != 1) return false;
            if (saveOrder_ && CountSaved(key.name) != 1) return false;
        }
        if (saveOrder_ && saveCount_ != count_) return false;
        for (const Step* step = stepsBegin(); step != stepsEnd(); ++step)
            if (!step->apply && !Find(step->key)) return false;
        return true;
    }

private:
    static void SaveKey(const Key& key, const Model& model, PropertyBag& bag, const Context& context) {
        if (key.save.WritesAlways())
            bag.WriteAlways(key.name, key.write(model));
        else
            bag.Write(key.name, key.write(model), key.save.Make(model, context));
    }
    std::size_t Count(const wchar_t* name) const {
        std::size_t n = 0;
        for (const Key& key : *this) n += key.name && std::wcscmp(key.name, name) == 0 ? 1 : 0;
        return n;
    }
    std::size_t CountSaved(const wchar_t* name) const {
        std::size_t n = 0;
        for (std::size_t i = 0; i < saveCount_; ++i) n += std::wcscmp(saveOrder_[i], name) == 0 ? 1 : 0;
        return n;
    }

    const Key* keys_;
    std::size_t count_;
    const wchar_t* const* saveOrder_ = nullptr;
    std::size_t saveCount_ = 0;
    const Step* steps_ = nullptr;
    std::size_t stepCount_ = 0;
};

// ---- Reads and writes through a model's public properties, for the keys that load through them ----

namespace table_detail {
template <class>
struct Member;
template <class M, class R, class A>
struct Member<R (M::*)(A)> {
    using Class = M;
    using Result = R;
};
template <class M, class R>
struct Member<R (M::*)() const> {
    using Class = M;
    using Result = R;
};
}  // namespace table_detail

// Converts with `Convert` (ToColor, ToInt32, ...) and applies with the setter `Set`; a setter that returns bool
// may refuse the value; `Model` names the model when the setter is its base's.
template <auto Convert, auto Set, class Model = typename table_detail::Member<decltype(Set)>::Class>
bool ReadInto(Model& model, const kit::Value& value) {
    auto converted = Convert(value);
    if (!converted) return false;
    if constexpr (std::is_same_v<typename table_detail::Member<decltype(Set)>::Result, bool>) {
        return (model.*Set)(*converted);
    } else {
        (model.*Set)(*converted);
        return true;
    }
}

// Converts with `Convert` and hands the result to `apply`, for a key read straight into the parts; false when the
// value does not convert.
template <auto Convert, class Apply>
bool Converted(const kit::Value& value, Apply&& apply) {
    auto converted = Convert(value);
    if (converted) apply(*converted);
    return converted.has_value();
}

// The stored form of each kind of value, for WriteFrom.
inline kit::Value AsColor(OleColor color) { return kit::Value::Color(color); }
inline kit::Value AsFlag(bool flag) { return kit::Value::Bool16(flag ? kTrue : kFalse); }
inline kit::Value AsWhole(std::int64_t number) { return kit::Value(number); }
inline kit::Value AsText(const std::wstring& text) { return kit::Value(text); }
inline kit::Value AsFont(const Font& font) { return kit::Value(font); }

// Reads the getter `Get` and stores it in the form `Make` gives; `Model` names the model when the getter is its
// base's.
template <auto Make, auto Get, class Model = typename table_detail::Member<decltype(Get)>::Class>
kit::Value WriteFrom(const Model& model) {
    return Make((model.*Get)());
}

// Rows of a table for the keys that load through a property's setter and save through its getter, with one
// default for both a load and a save, so that every saved value loads back unchanged. Each kind pairs its
// conversion with its stored form, so the two cannot drift apart.
template <class Model, class Context = NoContext>
struct KeyRows {
    using Key = PropertyKey<Model, Context>;
    using Step = NewInstanceStep<Model, Context>;
    using Default = KeyDefault<Model, Context>;

    template <auto Convert, auto Make, auto Set, auto Get>
    static constexpr Key Through(const wchar_t* name, Default fallback) {
        return Key{name, fallback, fallback, ReadInto<Convert, Set, Model>, WriteFrom<Make, Get, Model>};
    }
    template <auto Set, auto Get>
    static constexpr Key Color(const wchar_t* name, Default fallback) {
        return Through<ToColor, AsColor, Set, Get>(name, fallback);
    }
    template <auto Set, auto Get>
    static constexpr Key Flag(const wchar_t* name, Default fallback) {
        return Through<ToBool16, AsFlag, Set, Get>(name, fallback);
    }
    template <auto Set, auto Get>
    static constexpr Key Text(const wchar_t* name, Default fallback) {
        return Through<ToText, AsText, Set, Get>(name, fallback);
    }
    // A whole number, converted to the width its setter takes (ToInt16, ToInt32).
    template <auto Convert, auto Set, auto Get>
    static constexpr Key Whole(const wchar_t* name, Default fallback) {
        return Through<Convert, AsWhole, Set, Get>(name, fallback);
    }
    // The control-level font, stored with the instance and used by no element: a load takes only its face name,
    // the rest keeps its values, and a save always writes it.
    template <auto Set, auto Get>
    static constexpr Key FontFace(const wchar_t* name, Default fallback) {
        return Key{name, fallback, Literal::Always(), ReadFace<Set, Get>, WriteFrom<AsFont, Get>};
    }

private:
    template <auto Set, auto Get>
    static bool ReadFace(Model& model, const kit::Value& value) {
        return Converted<ToFont>(value, [&](const Font& stored) {
            Font font = (model.*Get)();
            font.name = stored.name;
            (model.*Set)(font);
        });
    }
};

// The default of a key that takes the name the container gave a new instance.
template <class Model, class Ambient>
kit::Value InstanceName(const Model&, const Ambient& ambient) {
    return kit::Value(ambient.name);
}

}  // namespace kit
