#pragma once

#include <QDialog>
#include <QStringList>

class Messages;
class QPlainTextEdit;

// "List of Judges": the judges' address list as plain text the secretary
// may still edit; what is saved or printed is the text as it stands.
class TJlistForm : public QDialog
{
    Q_OBJECT
public:
    TJlistForm(const QStringList& lines, Messages& messages, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    // The text area's lines as they stand.
    QStringList lines() const;

    // Each reports a failure to the secretary, naming the file.
    bool saveText(const QString& path);
    bool savePdf(const QString& path);

public slots:
    void saveAs();
    void saveAsPdf();
    void print();
    void copyAll();

private:
    Messages& messages_;
    QPlainTextEdit* editor_;
};
