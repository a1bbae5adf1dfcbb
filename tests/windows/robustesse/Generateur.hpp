#pragma once
// Hostile arguments drawn from a seeded generator (a seed gives the same
// values again): every VARIANT kind a client can build, by value and by
// reference (null, nested, looping references), SAFEARRAYs, null and 16 MB
// strings, lone surrogates, decimals and 64-bit integers across their ranges,
// and the client's own objects.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <deque>
#include <random>
#include <vector>

namespace k58204::com::test {

// The VARIANTs of one call and everything they point to, freed together
// (whatever the component wrote back into them).
class Lot {
public:
    Lot() = default;
    Lot(const Lot&) = delete;
    Lot& operator=(const Lot&) = delete;
    ~Lot();

    std::vector<VARIANT> arguments;  // rgvarg, sized by the caller
    // A VARIANT that stays where it is, for a reference to point at.
    VARIANT* cible();

private:
    std::deque<VARIANT> cibles_;
};

class Generateur {
public:
    Generateur(uint64_t graine, std::vector<IDispatch*> objets) : alea_(graine), objets_(std::move(objets)) {}

    // A number in [0, n).
    uint32_t entre(uint32_t n) { return static_cast<uint32_t>(alea_() % n); }
    bool pourCent(uint32_t p) { return entre(100) < p; }
    int32_t entier();
    // A string (null, empty, a folder, lone surrogates, 100,000 or, rarely,
    // 8 M characters); null for a null BSTR.
    BSTR texte();
    // Writes a value into v (VT_EMPTY before), by value or by reference, with
    // objects only when `objets`. Returns false for a reference that cannot
    // be followed (null, or a reference to a reference to a variant).
    bool valeur(Lot& lot, VARIANT& v, bool objets);
    IDispatch* objet() { return objets_[entre(static_cast<uint32_t>(objets_.size()))]; }

private:
    void parValeur(VARIANT& v, bool objets);
    SAFEARRAY* tableau(VARTYPE& type);  // null at times

    std::mt19937_64 alea_;
    std::vector<IDispatch*> objets_;  // may hold null
};

}  // namespace k58204::com::test
