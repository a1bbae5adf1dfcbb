#include "word/Erreur.hpp"

#include "word/Texte.hpp"

namespace k58204 {

Erreur::Erreur(int32_t numero, std::u16string source, std::u16string description)
    : numero_(numero), source_(std::move(source)), description_(std::move(description)) {
    what_ = std::to_string(numero_) + ": " + versUtf8(description_) + " (" + versUtf8(source_) + ")";
}

namespace {
std::u16string descriptionVb(int32_t numero) {
    switch (numero) {
        case err::AppelIncorrect: return u"Argument ou appel de procédure incorrect";
        case err::MemoireInsuffisante: return u"Mémoire insuffisante";
        case err::Depassement: return u"Dépassement de capacité";
        case err::IndiceHorsLimites: return u"L'indice n'appartient pas à la sélection";
        case err::TypeIncompatible: return u"Incompatibilité de type";
        case err::FichierIntrouvable: return u"Fichier introuvable";
        case err::FichierExistant: return u"Ce fichier existe déjà";
        case err::PermissionRefusee: return u"Permission refusée";
        case err::AccesChemin: return u"Erreur d'accès au chemin/fichier";
        case err::CheminIntrouvable: return u"Chemin d'accès introuvable";
        case err::ObjetNonDefini: return u"Variable objet ou variable de bloc With non définie";
        case err::ObjetRequis: return u"Objet requis";
        case err::ArgumentsNommes: return u"Cet objet ne gère pas les arguments nommés";
        case err::ArgumentNommeIntrouvable: return u"Argument nommé introuvable";
        case err::ArgumentObligatoire: return u"Argument non facultatif";
        case err::NombreArguments: return u"Nombre d'arguments incorrect ou affectation de propriété incorrecte";
        case err::CreationImpossible: return u"Un composant ActiveX ne peut pas créer un objet";
        case err::ServeurIndisponible: return u"Le serveur distant n'existe pas ou n'est pas disponible";
        case err::MembreInconnu: return u"Propriété ou méthode non gérée par cet objet";
        case err::DelaiDepasse: return u"Cette opération a été renvoyée parce que le délai d'attente a expiré";
        default: return u"Erreur définie par l'application ou par l'objet";
    }
}
}  // namespace

Erreur erreurExecution(int32_t numero) { return Erreur(numero, SourceComposant, descriptionVb(numero)); }

void leveErreurExecution(int32_t numero) { throw erreurExecution(numero); }

}  // namespace k58204
