// Builds stored values of every kind from fuzz input, for the targets that check what is done with them.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>

#include "controls/common/property_bag.h"

namespace fuzz {

// A short text. Most characters come from the alphabet of numbers, colour literals and booleans, so numeric
// texts turn up often; the others are any 7-bit, 16-bit or 32-bit unit.
inline std::wstring WideText(FuzzedDataProvider& in) {
    static const wchar_t kAlphabet[] = L"0123456789.eE+-&Hh&aAfF TrueFals\t\r";
    const std::size_t length = in.ConsumeIntegralInRange<std::size_t>(0, 40);
    std::wstring text;
    for (std::size_t i = 0; i < length && in.remaining_bytes() > 0; ++i) {
        switch (in.ConsumeIntegralInRange<int>(0, 5)) {
            case 0:
                text.push_back(static_cast<wchar_t>(in.ConsumeIntegralInRange<int>(0, 0x7F)));
                break;
            case 1:
                text.push_back(static_cast<wchar_t>(in.ConsumeIntegral<std::uint16_t>()));
                break;
            case 2:
                text.push_back(static_cast<wchar_t>(in.ConsumeIntegral<std::uint32_t>()));
                break;
            default:
                text.push_back(
                    kAlphabet[in.ConsumeIntegralInRange<std::size_t>(0, sizeof(kAlphabet) / sizeof(wchar_t) - 2)]);
                break;
        }
    }
    return text;
}

// A value of any kind with any content the types allow.
inline kit::Value BuildValue(FuzzedDataProvider& in, bool* parserDomain) {
    *parserDomain = true;
    switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
            return kit::Value();
        case 1:
            return kit::Value(WideText(in));
        case 2:
            return kit::Value(in.ConsumeIntegral<std::int64_t>());
        case 3:
            return kit::Value::Color(in.ConsumeIntegral<std::uint32_t>());
        case 4: {
            // Any bit pattern: NaNs, infinities, subnormals and negative zero included.
            const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
            double d;
            static_assert(sizeof(d) == sizeof(bits), "double is 64 bits");
            std::memcpy(&d, &bits, sizeof(d));
            return kit::Value(d);
        }
        case 5:
            return kit::Value(in.ConsumeBool());
        case 6:
            return kit::Value(kit::Picture{WideText(in)});
        default: {
            kit::Font f;
            f.name = WideText(in);
            f.size =
                in.ConsumeBool() ? in.ConsumeFloatingPointInRange<double>(0, 2160) : in.ConsumeFloatingPoint<double>();
            f.weight = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(0, 1000) : in.ConsumeIntegral<int>();
            f.charset = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(0, 255) : in.ConsumeIntegral<int>();
            f.italic = in.ConsumeBool();
            f.underline = in.ConsumeBool();
            f.strikethrough = in.ConsumeBool();
            kit::Value v(f);
            // The text form holds the fonts a window can use: sizes up to a million points, LOGFONT weights and
            // one-byte character sets. Fonts outside it need only print without harm.
            const kit::Font& stored = std::get<kit::Font>(v.storage());
            *parserDomain = std::isfinite(stored.size) && stored.size >= 0 && stored.size <= 1.0e6 &&
                            stored.weight >= 0 && stored.weight <= 1000 && stored.charset >= 0 && stored.charset <= 255;
            return v;
        }
    }
}

}  // namespace fuzz
