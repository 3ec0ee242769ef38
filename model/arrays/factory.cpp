// Array classes by their type string.

#include <array>

#include "arrays/lsarray.h"
#include "core/errors.h"

namespace {

struct TypeEntry {
    const char* Name;
    std::unique_ptr<TLoudspeakerArray> (*Make)();
};

template <class T>
std::unique_ptr<TLoudspeakerArray> Make() {
    return std::make_unique<T>();
}

// In type-code order.
constexpr std::array<TypeEntry, 19> kTypes{{
    {"Arvo", &Make<TArvoArray>},
    {"Bexa", &Make<TBexaArray>},
    {"Rudd", &Make<TRuddArray>},
    {"MIXArvoBexa", &Make<TArvoBexaArray>},
    {"MIXRuddBexa", &Make<TRuddBexaArray>},
    {"Hoba", &Make<THobaARRAY>},
    {"MIXHobaBexa", &Make<THobaBexaARRAY>},
    {"Dovi", &Make<TDoviArray>},
    {"MIXRuddArvo", &Make<TRuddArvoArray>},
    {"MIXBexaDovi", &Make<TBexaDoviArray>},
    {"MIXHobaDovi", &Make<THobaDoviArray>},
    {"MIXArvoGiraF", &Make<TGiraFArvoArray>},
    {"Elka", &Make<TElkaArray>},
    {"MIXDoviElka", &Make<TDoviElkaArray>},
    {"Ivor", &Make<TIvorArray>},
    {"MIXIvorDovi", &Make<TIvorDoviArray>},
    {"MIXIvorElka", &Make<TIvorElkaArray>},
    {"MIXIvorDoviElka", &Make<TIvorDoviElkaArray>},
    {"MIXBexaCadri", &Make<TBexaCadriArray>},
}};

}  // namespace

std::unique_ptr<TLoudspeakerArray> CreateLoudspeakerArray(const std::string& ArrayType) {
    const std::string& name = ArrayType.empty() ? kTypes[0].Name : ArrayType;
    for (const TypeEntry& entry : kTypes)
        if (name == entry.Name) return entry.Make();
    throw rtl::RuntimeError(0, "Unknown array type \"" + ArrayType + "\"");
}

const std::string& ArrayTypeString(uint8_t TypeCode) {
    static const std::array<std::string, 19> names = [] {
        std::array<std::string, 19> n;
        for (std::size_t i = 0; i < kTypes.size(); ++i) n[i] = kTypes[i].Name;
        return n;
    }();
    rtl::CheckIndex(TypeCode, 0, 18);
    return names[TypeCode];
}
