// Question0113: the learner makes the passage "s01" bold, in a font other than Arial and a size other than 12.
#include "exercises/Questions.hpp"

namespace k58204 {
namespace {

class Question0113 final : public Question {
public:
    explicit Question0113(platform::SystemeFichiers& fichiers) : Question(u"Question0113", fichiers) {
        enregistre(u"05820413.doc", u"Voyage à CANGO.doc", false);
    }

private:
    void Verifie() override {}
};

}  // namespace

std::unique_ptr<Question> creeQuestion0113(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0113>(fichiers);
}

}  // namespace k58204
