#include "Codepage437.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace dbf::cp437
{
namespace
{

// Unicode code points of the bytes 0x80 to 0xFF; the lower half is ASCII.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns its length, 0 when invalid.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || pos + length > text.size())
        return 0;
    cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    return length;
}

std::optional<unsigned char> encode(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

std::string toUtf8(std::string_view bytes)
{
    // Most stored text is ASCII, which is UTF-8 as it stands.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        appendUtf8(out, c < 0x80 ? char32_t(c) : char32_t(kHighHalf[c - 0x80]));
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8, std::string* unmappable)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(utf8, pos, cp);
        const auto byte = length ? encode(cp) : std::nullopt;
        if (!byte) {
            if (unmappable)
                *unmappable = std::string(utf8.substr(pos, length ? length : 1));
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
        pos += length;
    }
    return out;
}

unsigned char upper(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 'a' + 'A');
    switch (c) {
    case 0x81:
        return 0x9A; // ü -> Ü
    case 0x82:
        return 0x90; // é -> É
    case 0x84:
        return 0x8E; // ä -> Ä
    case 0x86:
        return 0x8F; // å -> Å
    case 0x87:
        return 0x80; // ç -> Ç
    case 0x91:
        return 0x92; // æ -> Æ
    case 0x94:
        return 0x99; // ö -> Ö
    case 0xA4:
        return 0xA5; // ñ -> Ñ
    case 0xE5:
        return 0xE4; // σ -> Σ
    case 0xED:
        return 0xE8; // φ -> Φ
    default:
        return c;
    }
}

} // namespace dbf::cp437
