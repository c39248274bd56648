#pragma once

#include <QComboBox>

// The breed box of the entry desk and the dog master: an editable list of the
// breed names (see breedPickList) that completes what is typed; a breed that
// is not in the list can still be typed in full.
class BreedPickWidget : public QComboBox
{
    Q_OBJECT
public:
    explicit BreedPickWidget(QWidget* parent = nullptr);

    // Fills the list again, keeping the text in the box.
    void setBreeds(const QStringList& breeds);
    QString breed() const { return currentText(); }
    void setBreed(const QString& breed) { setEditText(breed); }
};
