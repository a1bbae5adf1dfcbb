#pragma once
// The type libraries that describe the simulated Word's objects (word.idl,
// and office.idl for the command bars), as simword.exe carries them
// (resources 1 and 2 of the executable) and registers them.
//
// How the served objects relate to them: each implementation class of the
// simulator stands for one interface of the libraries (its IDispatch answers
// GetTypeInfo with that interface's type information). A member the library
// lists has the library's dispatch id, its named arguments the ids the
// library gives its parameters (their positions); a name the library does
// not list (the simulator serves more than the library describes) gets an id
// of this process's own, at IdsHorsBibliotheque and above, the same for every
// object, and is served by name as before.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <string_view>
#include <vector>

#include "com/commun/Possession.hpp"

namespace k58204::simword {

// Word's library (resource 1) and the command bars' library (resource 2).
inline constexpr GUID LibidWord = {0x3ca4b8e8, 0x9c0e, 0x4f5c, {0x8b, 0x6d, 0x8e, 0x2a, 0x55, 0x1f, 0x0d, 0x6b}};
inline constexpr GUID LibidOffice = {0x3ca4b8e8, 0x9c0e, 0x4f5c, {0x8b, 0x6d, 0x8e, 0x2a, 0x55, 0x1f, 0x0d, 0x6c}};
inline constexpr WORD VersionWord[2] = {8, 3};
inline constexpr WORD VersionOffice[2] = {2, 3};

// First dispatch id of the names the libraries do not list.
inline constexpr DISPID IdsHorsBibliotheque = 0x10000;

// The interface standing for an implementation class, named as the compiler
// names it ("k58204::sim::(anonymous namespace)::ApplicationSim" gives
// "_Application"); empty for a class that has none.
std::u16string_view interfaceDeClasse(std::string_view classe);

class BibliothequeWord {
public:
    // The libraries of this executable's resources, or else the registered
    // ones; without either, objects are served by name only.
    static BibliothequeWord& instance();

    // The TKIND_DISPATCH type information of an interface of the libraries
    // (the one serving the objects of a class: interfaceDeClasse); null when
    // there is none.
    com::Ptr<ITypeInfo> typeNomme(std::u16string_view interfaceWord);

private:
    BibliothequeWord();
    std::vector<com::Ptr<ITypeLib>> bibliotheques_;
};

// The name of a dispatch id for the type `info` (null: no library): the
// library's member of that id, else a name of this process's own ids; "" for
// DISPID_VALUE on a type that has no default member. False for an unknown id.
bool nomMembre(ITypeInfo* info, DISPID id, std::u16string& nom);
// The id of a member name, and of its named arguments (noms[1..]).
std::vector<DISPID> idsMembre(ITypeInfo* info, const std::vector<std::u16string_view>& noms);
// The name of named argument `id` of member `membre`; false when unknown.
bool nomArgument(ITypeInfo* info, DISPID membre, DISPID id, std::u16string& nom);

}  // namespace k58204::simword
