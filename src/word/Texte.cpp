#include "word/Texte.hpp"

#include <cstdint>

#include "word/Erreur.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/ustring.h>
#endif

namespace k58204 {

std::string versUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;  // a lone surrogate has no UTF-8 form
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string depuisUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        uint32_t c;
        size_t n;
        if (b < 0x80) { c = b; n = 1; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; n = 2; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; n = 3; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; n = 4; }
        else { out += u'\uFFFD'; ++i; continue; }
        if (i + n > s.size()) { out += u'\uFFFD'; break; }
        bool ok = true;
        for (size_t k = 1; k < n; ++k) {
            unsigned char t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) { ok = false; break; }
            c = (c << 6) | (t & 0x3F);
        }
        if (!ok) { out += u'\uFFFD'; ++i; continue; }
        i += n;
        // Overlong forms, UTF-16 surrogates and code points past U+10FFFF are
        // not UTF-8: one replacement character for the sequence.
        static constexpr uint32_t Minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < Minimum[n] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            out += u'\uFFFD';
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::u16string LCase(std::u16string_view s) {
    if (s.empty()) return {};
#ifdef _WIN32
    std::u16string out(s);
    CharLowerBuffW(reinterpret_cast<LPWSTR>(out.data()), static_cast<DWORD>(out.size()));
    return out;
#else
    std::u16string out(s.size(), u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t n = u_strToLower(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                             reinterpret_cast<const UChar*>(s.data()), static_cast<int32_t>(s.size()), "", &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.assign(static_cast<size_t>(n), u'\0');
        status = U_ZERO_ERROR;
        n = u_strToLower(reinterpret_cast<UChar*>(out.data()), n, reinterpret_cast<const UChar*>(s.data()),
                         static_cast<int32_t>(s.size()), "", &status);
    }
    if (U_FAILURE(status)) return std::u16string(s);
    out.resize(static_cast<size_t>(n));
    return out;
#endif
}

int32_t InStr(int32_t debut, std::u16string_view s, std::u16string_view motif) {
    if (debut < 1) leveErreurExecution(err::AppelIncorrect);
    if (static_cast<size_t>(debut) > s.size() + 1) return 0;
    if (motif.empty()) return debut;
    size_t p = s.find(motif, static_cast<size_t>(debut - 1));
    return p == std::u16string_view::npos ? 0 : static_cast<int32_t>(p + 1);
}

int32_t InStrRev(std::u16string_view s, std::u16string_view motif) {
    size_t p = s.rfind(motif);
    return p == std::u16string_view::npos ? 0 : static_cast<int32_t>(p + 1);
}

std::u16string Left(std::u16string_view s, int32_t n) {
    if (n < 0) leveErreurExecution(err::AppelIncorrect);
    return std::u16string(s.substr(0, static_cast<size_t>(n)));
}

std::u16string Right(std::u16string_view s, int32_t n) {
    if (n < 0) leveErreurExecution(err::AppelIncorrect);
    size_t k = std::min(s.size(), static_cast<size_t>(n));
    return std::u16string(s.substr(s.size() - k));
}

std::u16string Mid(std::u16string_view s, int32_t debut, int32_t n) {
    if (debut < 1) leveErreurExecution(err::AppelIncorrect);
    if (static_cast<size_t>(debut) > s.size()) return {};
    return std::u16string(s.substr(static_cast<size_t>(debut - 1), n < 0 ? std::u16string_view::npos : static_cast<size_t>(n)));
}

}  // namespace k58204
