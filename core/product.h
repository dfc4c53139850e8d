#pragma once

#include "core/version.h"

#include <string_view>

// Names and addresses of the product. Every web address the program knows lives here, under the
// reserved "example" domains until the real ones are settled.
namespace quarvel::product {

inline constexpr std::string_view name = "Quarvel";
inline constexpr std::string_view author = "Vellmar";

inline constexpr std::string_view webDomain = "www.quarvel.example";
inline constexpr std::string_view webAddress = "https://www.quarvel.example/";
inline constexpr std::string_view email = "vellmar@quarvel.example";

inline constexpr std::string_view downloadPage = "https://www.quarvel.example/download.html";
inline constexpr std::string_view speedTestPage = "https://speedtest.example/stest?more=1";
inline constexpr std::string_view playerModelsPack =
    "https://files.models.example/hifps/cs16-hifps-player-models.zip";
inline constexpr std::string_view weaponModelsPack =
    "https://files.models.example/hifps/cs16-hifps-weapon-models.zip";
inline constexpr std::string_view donationPage =
    "https://pay.example/donate?business=vellmar%40quarvel.example&item_name=Quarvel"
    "&no_note=1&tax=0&currency_code=EUR";

} // namespace quarvel::product
