#pragma once
// The module as a training host on Windows drives it: "K58204.Module"
// created by ProgID and reached only through IDispatch by name, as a VB host's
// late binding does (GetIDsOfNames, then Invoke). ioApplication and
// ioHandleLogiciel travel by reference (VT_BYREF | VT_VARIANT) and are read
// back after the call, whether it failed or not; an error comes back as the
// Erreur of EXCEPINFO's number, source and description.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <vector>

#include "com/client/CacheDispids.hpp"
#include "com/commun/Possession.hpp"
#include "module/AbstractModule.hpp"

namespace k58204::lecon::windows {

class ModuleDispatch final : public AbstractModule {
public:
    // Creates the module; error 429 when it is not registered. Word's
    // objects the module hands back share `cacheWord`.
    explicit ModuleDispatch(std::shared_ptr<com::CacheDispids> cacheWord);

    bool BravoNuance() override;
    std::shared_ptr<ComplementInfo> Complement() override;
    std::u16string CauseErreur() override;
    bool ErreurGenerale() override;
    void Fermer() override;
    void InitQuestion(int32_t ilQuestion, std::u16string isPathDossier, ObjetPtr& ioApplication,
                      int32_t& ioHandleLogiciel, std::optional<std::u16string> isPathModele) override;
    void Quitter(ObjetPtr& ioApplication, int32_t& ioHandleLogiciel) override;
    void TestePoint() override;

private:
    std::shared_ptr<com::CacheDispids> cacheWord_;
    com::Ptr<IDispatch> module_;
};

// A member of `objet` called by name; `arguments` in call order (the caller
// keeps them and clears them). Raises the member's error as an Erreur.
com::VariantCom appelleParNom(IDispatch* objet, const wchar_t* membre, WORD drapeaux,
                              std::vector<VARIANT> arguments = {});

}  // namespace k58204::lecon::windows
