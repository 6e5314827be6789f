#pragma once

#include <QString>

class QWidget;

// The filters of the open-file dialogs of the property and template dialogs.
namespace BestandsFilter {
inline constexpr char szActie[]
    = "Alle bestanden (*.*)|*.*|Uitvoerbare bestanden (*.exe)|*.exe|Videobestanden (*.mp4; *.mov; *.mpg; "
      "*.mpeg)|*.mp4;*.mov;*.mpg;*.mpeg|Geluidsbestanden (*.mp3; *.wav; *.flac)|*.mp3;*.wav;*.flac|Afbeeldingen "
      "(*.jpg; *.bmp; *.png)|*.jpg;*.bmp;*.png||";
inline constexpr char szAfbeelding[]
    = "Afbeeldingen  (*.jpg; *.jpeg; *.bmp)|*.jpg;*.jpeg; *.bmp|Alle bestanden (*.*)|*.*||";
inline constexpr char szGong[] = "Geluidsbestanden (*.mp3; *.wav, *.flac, *.ogg)|*.mp3;*.wav;*.flac;*.ogg|Alle "
                                 "bestanden (*.*)|*.*||";
} // namespace BestandsFilter

// The open-file dialog of the property dialogs: an existing file chosen by
// the user, or empty when cancelled. Tests put their own answers in its place.
class IOpenBestand {
public:
    virtual ~IOpenBestand() = default;
    // strFilter as pairs of description and patterns separated by "|" and
    // ended by "||": "Afbeeldingen (*.jpg)|*.jpg|Alle bestanden (*.*)|*.*||".
    virtual QString Kies(QWidget* pOuder, const QString& strBegin, const QString& strFilter) = 0;
};
