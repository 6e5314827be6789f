#pragma once

#include <QComboBox>

// "Lettertype": every installed face, each shown with its name and the
// sample "abcdeABCDE01234" in that face. Faces are drawn only when their
// entry is, so a list of a thousand faces opens at once. A stored face that
// is not installed (a project from another computer) stays what it is: it
// shows as "Verdana (niet geïnstalleerd)" and is written back unchanged
// unless the user picks another face.
class CLettertypeLijst : public QComboBox {
    Q_OBJECT

public:
    explicit CLettertypeLijst(QWidget* pOuder = nullptr);

    static const QString& Voorbeeld();
    // Load: the first face whose name begins with the stored name, letter
    // case ignored; a face that is not there gets an entry of its own.
    void Laad(const QString& strNaam);
    // Store: the selected face's name; empty when nothing is selected.
    QString Naam() const;
    // The entry text of a face that is not installed.
    static QString NietGeinstalleerd(const QString& strNaam);
    // How many faces had a font made for drawing (they are made lazily).
    int GemaakteFonts() const;

protected:
    void showPopup() override;

private:
    int m_nOntbrekend = -1; // the entry of a stored face that is not installed
};
