#pragma once
#include <string_view>

#include "word/Objet.hpp"

namespace k58204::platform {

// Word's automation server, as VB's GetObject(, class) and CreateObject(class) reach it.
class ServeurWord {
public:
    virtual ~ServeurWord() = default;
    // The running instance of the class; error 429 when none runs.
    virtual ObjetPtr GetObject(std::u16string_view classe) = 0;
    // A new instance of the class; error 429 when it cannot be created.
    virtual ObjetPtr CreateObject(std::u16string_view classe) = 0;
};

inline constexpr char16_t ClasseWord[] = u"Word.application.11";

}  // namespace k58204::platform
