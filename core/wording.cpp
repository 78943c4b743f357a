#include "core/wording.h"

namespace vomel {

std::string Wording::english() const
{
    return translated([](const char*, const char* source) { return std::string(source); });
}

std::string Wording::translated(const Translator& translate) const
{
    if (context_ == nullptr) return pattern_;
    std::vector<std::string> values;
    values.reserve(values_.size());
    for (const Wording& value : values_) values.push_back(value.translated(translate));
    return fillPlaces(translate(context_, pattern_.c_str()), values);
}

std::string fillPlaces(std::string_view wording, const std::vector<std::string>& values)
{
    std::string filled;
    filled.reserve(wording.size());
    for (std::size_t i = 0; i < wording.size(); ++i) {
        if (wording[i] == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' && wording[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(wording[i + 1] - '1');
            if (index < values.size()) {
                filled += values[index];
                ++i;
                continue;
            }
        }
        filled += wording[i];
    }
    return filled;
}

}  // namespace vomel
