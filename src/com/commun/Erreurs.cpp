#include "com/commun/Erreurs.hpp"

#include <string>

#include "com/commun/Chaines.hpp"
#include "com/commun/Possession.hpp"

namespace k58204::com {

namespace {

constexpr HRESULT PrefixeVb = static_cast<HRESULT>(0x800A0000u);

// The busy error: what a client without a message filter gets while Word is
// in a modal loop. Its number is the HRESULT itself, as VB shows it.
constexpr HRESULT AppelRejete = RPC_E_CALL_REJECTED;
// RPC_S_SERVER_UNAVAILABLE as an HRESULT: every call on a proxy whose server
// process has died.
constexpr HRESULT ServeurIndisponible = static_cast<HRESULT>(0x800706BAu);

std::u16string texteSysteme(HRESULT hr) {
    wchar_t* tampon = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&tampon), 0,
                                   nullptr);
    std::u16string texte;
    if (n > 0 && tampon) {
        texte.assign(reinterpret_cast<const char16_t*>(tampon), n);
        while (!texte.empty() && (texte.back() == u'\n' || texte.back() == u'\r' || texte.back() == u' '))
            texte.pop_back();
    }
    LocalFree(tampon);
    return texte.empty() ? u"Erreur définie par l'application ou par l'objet" : texte;
}

}  // namespace

int32_t numeroVb(HRESULT hr) {
    if ((hr & static_cast<HRESULT>(0xFFFF0000u)) == PrefixeVb) return hr & 0xFFFF;
    switch (hr) {
        case DISP_E_MEMBERNOTFOUND:
        case DISP_E_UNKNOWNNAME: return err::MembreInconnu;
        case DISP_E_TYPEMISMATCH: return err::TypeIncompatible;
        case DISP_E_OVERFLOW: return err::Depassement;
        case DISP_E_BADINDEX: return err::IndiceHorsLimites;
        case DISP_E_PARAMNOTOPTIONAL: return err::ArgumentObligatoire;
        case DISP_E_BADPARAMCOUNT: return err::NombreArguments;
        case DISP_E_NONAMEDARGS: return err::ArgumentsNommes;
        case E_OUTOFMEMORY: return err::MemoireInsuffisante;
        case ServeurIndisponible:
        case RPC_E_DISCONNECTED:
        case CO_E_OBJNOTCONNECTED: return err::ServeurIndisponible;
        case RPC_E_SERVERCALL_RETRYLATER: return AppelRejete;
        default: return hr;
    }
}

HRESULT hresultVb(int32_t numero) {
    if (numero < 0) return numero;
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, numero & 0xFFFF);
}

Erreur erreurHresult(HRESULT hr) {
    const int32_t numero = numeroVb(hr);
    if (numero == AppelRejete) return Erreur(numero, u"", u"L'appel a été rejeté par l'appelé.");
    if (numero > 0) return erreurExecution(numero);
    return Erreur(numero, SourceComposant, texteSysteme(hr));
}

void verifie(HRESULT hr) {
    if (FAILED(hr)) throw erreurHresult(hr);
}

void leveErreurDispatch(HRESULT hr, EXCEPINFO& ei) {
    if (hr == DISP_E_EXCEPTION && ei.pfnDeferredFillIn) ei.pfnDeferredFillIn(&ei);
    const Bstr source(ei.bstrSource), description(ei.bstrDescription), aide(ei.bstrHelpFile);
    ei.bstrSource = ei.bstrDescription = ei.bstrHelpFile = nullptr;
    if (hr != DISP_E_EXCEPTION) throw erreurHresult(hr);
    const int32_t numero = ei.scode != 0 ? numeroVb(ei.scode) : static_cast<int32_t>(ei.wCode);
    Erreur defaut = erreurHresult(ei.scode != 0 ? ei.scode : hresultVb(numero));
    throw Erreur(numero, std::u16string(source.texte()),
                 description.texte().empty() ? defaut.description() : std::u16string(description.texte()));
}

HRESULT signaleErreur(const Erreur& e, REFIID iid) {
    Ptr<ICreateErrorInfo> creation;
    if (SUCCEEDED(CreateErrorInfo(creation.put()))) {
        const Bstr source = bstr(e.source()), description = bstr(e.description());
        creation->SetGUID(iid);
        creation->SetSource(source.get());
        creation->SetDescription(description.get());
        if (Ptr<IErrorInfo> info = creation.interroge<IErrorInfo>(IID_IErrorInfo)) SetErrorInfo(0, info.get());
    }
    return hresultVb(e.numero());
}

}  // namespace k58204::com
