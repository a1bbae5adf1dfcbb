// The host's type library K70935 embedded in the DLL (resource 2), read back
// as the host reads it: the contract's members, ids, parameters and flags.
// (The component's own library is read by every late-bound test and client.vbs.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Outils.hpp"
#include "com/serveur/Identifiants.hpp"

using namespace k58204::com;
using namespace k58204::com::test;

namespace {

std::wstring nom(ITypeInfo* info, MEMBERID id) {
    Bstr n;
    info->GetDocumentation(id, n.put(), nullptr, nullptr, nullptr);
    return n.get() ? n.get() : L"";
}

// One member as the type information describes it.
struct Membre {
    std::wstring nom;
    MEMBERID id;
    INVOKEKIND genre;
    std::vector<std::wstring> parametres;  // the return value is not a parameter in the dispatch view
    std::vector<USHORT> drapeaux;          // PARAMFLAG_* of each parameter
    bool operator==(const Membre&) const = default;
};

std::vector<Membre> membres(ITypeInfo* info) {
    TYPEATTR* a = nullptr;
    info->GetTypeAttr(&a);
    std::vector<Membre> liste;
    for (UINT i = 0; i < a->cFuncs; ++i) {
        FUNCDESC* f = nullptr;
        info->GetFuncDesc(i, &f);
        BSTR noms[16] = {};
        UINT n = 0;
        info->GetNames(f->memid, noms, 16, &n);
        Membre m{noms[0], f->memid, f->invkind, {}, {}};
        for (UINT k = 0; k < n; ++k) {
            if (k > 0) m.parametres.push_back(noms[k]);
            SysFreeString(noms[k]);
        }
        for (SHORT k = 0; k < f->cParams; ++k) m.drapeaux.push_back(f->lprgelemdescParam[k].paramdesc.wParamFlags);
        if ((f->memid & 0xFFFE0000) != 0x60000000) liste.push_back(std::move(m));  // not IUnknown's or IDispatch's own
        info->ReleaseFuncDesc(f);
    }
    info->ReleaseTypeAttr(a);
    return liste;
}

std::string etroit(const std::wstring& s) { return std::string(s.begin(), s.end()); }

void PrintTo(const Membre& m, std::ostream* os) { *os << etroit(m.nom) << " " << std::hex << m.id << " " << m.genre; }

constexpr USHORT In = PARAMFLAG_FIN;
constexpr USHORT InOut = PARAMFLAG_FIN | PARAMFLAG_FOUT;
constexpr USHORT Facultatif = PARAMFLAG_FIN | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT;

TEST(BibliothequeHote, DecritAbstractModuleEtComplementInfoDansLOrdreDuContrat) {
    Ptr<ITypeLib> lib;
    ASSERT_EQ(LoadTypeLibEx((cheminDll() + L"\\2").c_str(), REGKIND_NONE, lib.put()), S_OK);
    Ptr<ITypeInfo> module;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(k58204::com::IID_AbstractModule, module.put()), S_OK);
    EXPECT_EQ(nom(module.get(), MEMBERID_NIL), L"AbstractModule");
    EXPECT_EQ(membres(module.get()), (std::vector<Membre>{
                {L"BravoNuance", 0x68030000, INVOKE_PROPERTYGET, {}, {}},
                {L"Complement", 0x68030001, INVOKE_PROPERTYGET, {}, {}},
                {L"CauseErreur", 0x68030002, INVOKE_PROPERTYGET, {}, {}},
                {L"ErreurGenerale", 0x68030003, INVOKE_PROPERTYGET, {}, {}},
                {L"Fermer", 0x60030004, INVOKE_FUNC, {}, {}},
                {L"InitQuestion",
                 0x60030005,
                 INVOKE_FUNC,
                 {L"ilQuestion", L"isPathDossier", L"ioApplication", L"ioHandleLogiciel", L"isPathModele"},
                 {In, In, InOut, InOut, Facultatif}},
                {L"Quitter", 0x60030006, INVOKE_FUNC, {L"ioApplication", L"ioHandleLogiciel"}, {InOut, InOut}},
                {L"TestePoint", 0x60030007, INVOKE_FUNC, {}, {}},
            }));
    Ptr<ITypeInfo> complement;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(k58204::com::IID_ComplementInfo, complement.put()), S_OK);
    EXPECT_EQ(nom(complement.get(), MEMBERID_NIL), L"ComplementInfo");
    EXPECT_EQ(membres(complement.get()), (std::vector<Membre>{
                                  {L"add", 0x60030000, INVOKE_FUNC, {L"siTexte", L"liReserve"}, {In, In}},
                                  {L"count", 0x60030001, INVOKE_FUNC, {}, {}},
                                  {L"item", 0x60030002, INVOKE_FUNC, {L"noItem"}, {In}},
                              }));
}

}  // namespace
