#pragma once
#include "platform/Clavier.hpp"
#include "platform/Fenetres.hpp"
#include "platform/ServeurWord.hpp"
#include "platform/SystemeFichiers.hpp"

namespace k58204::platform {

// What Module receives from its creator: the window manager, the keyboard,
// Word's server and the file system. The simulated desktop gives one set
// (Linux), Win32 the other.
struct Plateforme {
    Fenetres& fenetres;
    Clavier& clavier;
    ServeurWord& serveur;
    SystemeFichiers& fichiers;
};

}  // namespace k58204::platform
