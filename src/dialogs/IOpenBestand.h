#pragma once

#include <QString>

class QWidget;

// The open-file dialog of the property dialogs: an existing file chosen by
// the user, or empty when cancelled. Tests put their own answers in its place.
class IOpenBestand {
public:
    virtual ~IOpenBestand() = default;
    // strFilter as pairs of description and patterns separated by "|" and
    // ended by "||": "Afbeeldingen (*.jpg)|*.jpg|Alle bestanden (*.*)|*.*||".
    virtual QString Kies(QWidget* pOuder, const QString& strBegin, const QString& strFilter) = 0;
};
