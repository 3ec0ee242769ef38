// Array classes by their type string.

#include <array>

#include "model/arrays/lsarray.h"
#include "platform/core/errors.h"

namespace {

using Maker = std::unique_ptr<TLoudspeakerArray> (*)();

template <class T>
std::unique_ptr<TLoudspeakerArray> Make() {
    return std::make_unique<T>();
}

// The class of each type, in type-code order.
constexpr std::array<Maker, kArrayTypeCount> kMakers{{
    &Make<TArvoArray>,
    &Make<TBexaArray>,
    &Make<TRuddArray>,
    &Make<TArvoBexaArray>,
    &Make<TRuddBexaArray>,
    &Make<THobaARRAY>,
    &Make<THobaBexaARRAY>,
    &Make<TDoviArray>,
    &Make<TRuddArvoArray>,
    &Make<TBexaDoviArray>,
    &Make<THobaDoviArray>,
    &Make<TGiraFArvoArray>,
    &Make<TElkaArray>,
    &Make<TDoviElkaArray>,
    &Make<TIvorArray>,
    &Make<TIvorDoviArray>,
    &Make<TIvorElkaArray>,
    &Make<TIvorDoviElkaArray>,
    &Make<TBexaCadriArray>,
}};

}  // namespace

std::unique_ptr<TLoudspeakerArray> CreateLoudspeakerArray(const std::string& ArrayType) {
    const std::optional<TArrayType> type = FindArrayType(ArrayType);
    if (!type) throw rtl::RuntimeError(0, "Unknown array type \"" + ArrayType + "\"");
    return kMakers[TypeCodeOf(*type)]();
}

const std::string& ArrayTypeString(uint8_t TypeCode) {
    static const std::array<std::string, kArrayTypeCount> names = [] {
        std::array<std::string, kArrayTypeCount> n;
        for (std::size_t i = 0; i < kArrayTypeCount; ++i) n[i] = kArrayTypes[i].Name;
        return n;
    }();
    return names[TypeCodeOf(ArrayTypeOf(TypeCode))];
}
