#pragma once

#include "print/RichListing.h"

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;
class Tdmod;
class TextListingWindow;

// The layout both show-day listing windows share (the gate steward lists
// and the judging schedule lists): their option boxes and "Get Report"
// above, and once the report is got, the hint and the listing, editable,
// with its File and Edit menus (Save As, Print, Exit; Select All, Undo,
// Copy, Paste, Cut). Each press of "Get Report" builds the whole listing
// again from the open show.
class TrialDayListingForm : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kHint =
        QStringLiteral("Save this info as a RTF file and Import  into a Word document to add "
                       "Ring #'s and any other extra info.  Also, your preferred pagination or "
                       "column formatting. ");

    QPushButton* getReportButton() const { return getReport_; }
    QPushButton* closeButton() const { return close_; }
    QLabel* hint() const { return hint_; }
    // The listing shown; null until "Get Report".
    TextListingWindow* listing() const { return listing_; }

    // "Get Report" (`Button2Click`).
    void Button2Click();

protected:
    TrialDayListingForm(Tdmod& data, const QString& caption, const QString& closeCaption,
                        QWidget* parent);
    void addOption(QWidget* option);
    virtual RichListing build() = 0;

    Tdmod& data_;

private:
    QHBoxLayout* options_;
    QPushButton* getReport_;
    QPushButton* close_;
    QLabel* hint_;
    TextListingWindow* listing_ = nullptr;
};
