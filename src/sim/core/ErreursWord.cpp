#include "sim/core/ErreursWord.hpp"

namespace k58204::sim {

namespace {
// French texts of a French Word 2003. 5941 and 462 are confirmed; the others
// are the most likely wording and are kept here only.
std::u16string texte(int32_t numero) {
    switch (numero) {
        case wderr::MembreInexistant: return u"Le membre de la collection requis n'existe pas.";
        case wderr::AucunDocument: return u"Cette commande n'est pas disponible car aucun document n'est ouvert.";
        case wderr::FichierIntrouvable: return u"Ce fichier est introuvable.";
        case wderr::CheminInvalide: return u"Le nom ou le chemin d'accès du document n'est pas valide.";
        case wderr::CaracteresInvalides: return u"Ce nom de fichier n'est pas valide.";
        case wderr::NomFichierIncorrect: return u"Nom de fichier incorrect.";
        case wderr::EchecCommande: return u"Échec de la commande";
        case wderr::NonDisponible: return u"Cette méthode ou propriété n'est pas disponible.";
        case wderr::SignetInexistant: return u"Ce signet n'existe pas.";
        case wderr::ObjetSupprime: return u"L'objet a été supprimé.";
        case wderr::ValeurHorsLimites: return u"Valeur hors de la plage autorisée.";
        case wderr::FormatIllisible: return u"Word ne peut pas lire ce document. Il est peut-être endommagé.";
        case wderr::ArgumentIncorrect: return u"Argument ou appel de procédure incorrect";
        case wderr::ParametreIncorrect: return u"Paramètre incorrect.";
        case wderr::NomSignetIncorrect: return u"Nom de signet incorrect.";
        case wderr::MotDePasseIncorrect: return u"Le mot de passe est incorrect.";
        case wderr::MotDePasseOuverture: return u"Le mot de passe est incorrect. Word ne peut pas ouvrir le document.";
        default: return u"Erreur Word";
    }
}
}  // namespace

Erreur erreurWord(int32_t numero, const std::u16string& detail) {
    std::u16string t = texte(numero);
    if (!detail.empty()) t += u"\r(" + detail + u")";
    return Erreur(numero, SourceWord, t);
}

void leveErreurWord(int32_t numero, const std::u16string& detail) { throw erreurWord(numero, detail); }

void leveAppelRejete() {
    throw Erreur(AppelRejete, u"", u"L'appel a été rejeté par l'appelé.");
}

void leveServeurIndisponible() {
    throw Erreur(err::ServeurIndisponible, SourceComposant, u"Le serveur distant n'existe pas ou n'est pas disponible");
}

}  // namespace k58204::sim
