#pragma once

#include <QDialog>

class ExhibitorOptionsWidget;
class QPushButton;
class RichPreviewWidget;
class Tdmod;

// "Preview Exhibitor Index": the index's options, then, after "Preview",
// the index as rich text in their place, to save as "ExhibitorIndex.rtf",
// print or edit; "C&lose" brings the options back.
class TViewExhibitorsForm : public QDialog
{
    Q_OBJECT
public:
    explicit TViewExhibitorsForm(Tdmod& data, QWidget* parent = nullptr);

    ExhibitorOptionsWidget* optionsWidget() const { return options_; }
    QWidget* selection() const { return selection_; }
    RichPreviewWidget* previewText() const { return text_; }

public slots:
    // False when the show offers no class of the chosen section.
    bool preview();
    void closePreview();

protected:
    bool event(QEvent* event) override;

private:
    Tdmod& data_;
    ExhibitorOptionsWidget* options_;
    QWidget* selection_;
    RichPreviewWidget* text_;
};

// Opens the window modally (Reports, Exhibitor Index).
void openViewExhibitorsWindow(Tdmod& data, QWidget* parent);
