#include "results/lateinschrift.h"

#include "data/cp1252.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <QMutex>
#include <memory>

namespace {

bool In1252(const QString& text) {
    return AusCp1252(NachCp1252(text)) == text;
}

icu::UnicodeString Icu(const QString& text) {
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

QString AlsQString(const icu::UnicodeString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// The transliterators are built once; building one reads ICU's rule data. Any-Latin
// writes Cyrillic by ISO 9 ("Жанна" as "Žanna", and 1252 holds "Ž"); Russian names
// are known in the spelling of the BGN rules ("Zhanna"), so Cyrillic goes through those first.
class Umschreiber final {
public:
    Umschreiber()
        : m_latein(erstellen(u"Russian-Latin/BGN; Any-Latin")), m_ascii(erstellen(u"Latin-ASCII")) {}

    QString umschreiben(const QString& text) {
        const QMutexLocker sperre(&m_sperre);
        if (!m_latein || !m_ascii) return text;
        icu::UnicodeString u = Icu(text);
        m_latein->transliterate(u);
        const QString latein = AlsQString(u);
        // Only what 1252 lacks goes to ASCII: "Müller" keeps its "ü".
        QString ergebnis;
        for (qsizetype i = 0; i < latein.size(); ++i) {
            const qsizetype n = latein.at(i).isHighSurrogate() && i + 1 < latein.size() ? 2 : 1;
            const QString zeichen = latein.mid(i, n);
            i += n - 1;
            if (In1252(zeichen)) {
                ergebnis += zeichen;
                continue;
            }
            icu::UnicodeString z = Icu(zeichen);
            m_ascii->transliterate(z);
            ergebnis += AlsQString(z);
        }
        return ergebnis;
    }

private:
    static std::unique_ptr<icu::Transliterator> erstellen(const char16_t* id) {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance(icu::UnicodeString(id), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }

    QMutex m_sperre;
    std::unique_ptr<icu::Transliterator> m_latein;
    std::unique_ptr<icu::Transliterator> m_ascii;
};

} // namespace

QString FuerCp1252Umschreiben(const QString& text) {
    if (In1252(text)) return text;
    static Umschreiber umschreiber;
    return umschreiber.umschreiben(text);
}
