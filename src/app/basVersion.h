#pragma once
// The program's version: the one place it is set. Shown as major "." minor (two digits), with
// "." revision only when the revision is above 0.

#include <cstdint>
#include <string_view>

namespace basVersion {
inline constexpr std::int32_t kMajor = 1;
inline constexpr std::int32_t kMinor = 0;
inline constexpr std::int32_t kRevision = 0;
// The month the manual pages give as their date.
inline constexpr std::string_view kReleaseMonth = "December 2026";
// The About box's copyright and licence lines; packaging/copyright states the same terms.
inline constexpr std::string_view kCopyright = "Copyright © 2026 Kelvra developers";
inline constexpr std::string_view kLicence = "All rights reserved.";
// The legal notice of the version information; the settings files carry it as a comment line.
inline constexpr std::string_view kLegalNotice =
    "Kelvra はtotoの購入計画を立てるための個人用ツールです。公式情報の権利は運営者に帰属します。";
} // namespace basVersion
