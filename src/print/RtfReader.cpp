#include "print/RtfReader.h"

#include <QHash>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include <cctype>
#include <vector>

namespace
{

struct GroupState {
    QTextCharFormat format;
    bool skip = false;   // a destination whose text is not shown
    int unicodeSkip = 1; // characters after \uN that stand in for it
    int font = 0;
};

class Reader
{
public:
    Reader(const QByteArray& rtf, QTextDocument& document)
        : rtf_(rtf), cursor_(&document), decoder_("Windows-1252")
    {
        document.clear();
        cursor_ = QTextCursor(&document);
        states_.push_back({});
    }

    void run()
    {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_];
            if (c == '{') {
                ++pos_;
                flushText();
                states_.push_back(states_.back());
            } else if (c == '}') {
                ++pos_;
                flushText();
                if (inFontTable_)
                    finishFontName();
                if (states_.size() > 1)
                    states_.pop_back();
                if (inFontTable_ && states_.size() < fontTableDepth_)
                    inFontTable_ = false;
            } else if (c == '\\') {
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                addByte(c);
                ++pos_;
            }
        }
        flushText();
    }

private:
    GroupState& state() { return states_.back(); }

    void addByte(char byte)
    {
        if (inFontTable_)
            fontName_ += byte;
        else if (!state().skip)
            pending_ += byte;
    }

    void addText(const QString& text)
    {
        flushText();
        if (!state().skip && !inFontTable_)
            cursor_.insertText(text, state().format);
    }

    void flushText()
    {
        if (pending_.isEmpty())
            return;
        const QString text = decoder_.decode(pending_);
        pending_.clear();
        cursor_.insertText(text, state().format);
    }

    void controlWord()
    {
        ++pos_; // the backslash
        if (pos_ >= rtf_.size())
            return;
        const char c = rtf_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_])))
            ++pos_;
        const QByteArray word = rtf_.mid(start, pos_ - start);
        bool hasNumber = false;
        int number = 0;
        const qsizetype numberStart = pos_;
        if (pos_ < rtf_.size() && (rtf_[pos_] == '-' || std::isdigit(uchar(rtf_[pos_])))) {
            ++pos_;
            while (pos_ < rtf_.size() && std::isdigit(uchar(rtf_[pos_])))
                ++pos_;
            number = rtf_.mid(numberStart, pos_ - numberStart).toInt();
            hasNumber = true;
        }
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ')
            ++pos_; // the delimiter belongs to the word
        apply(word, hasNumber ? number : 1, hasNumber);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addByte(c);
            break;
        case '\'': {
            const QByteArray hex = rtf_.mid(pos_, 2);
            pos_ += 2;
            addByte(char(hex.toInt(nullptr, 16)));
            break;
        }
        case '*':
            state().skip = true; // an optional destination this reader does not know
            break;
        case '~':
            addText(QString(QChar(0x00A0)));
            break;
        case '-':
        case '_':
            break;
        default:
            break;
        }
    }

    void apply(const QByteArray& word, int value, bool hasNumber)
    {
        QTextCharFormat& format = state().format;
        if (word == "par" || word == "sect") {
            flushText();
            if (!state().skip)
                cursor_.insertBlock();
        } else if (word == "line") {
            addText(QString(QChar::LineSeparator));
        } else if (word == "tab") {
            addText(QStringLiteral("\t"));
        } else if (word == "b") {
            flushText();
            format.setFontWeight(value ? QFont::Bold : QFont::Normal);
        } else if (word == "i") {
            flushText();
            format.setFontItalic(value != 0);
        } else if (word == "ul") {
            flushText();
            format.setFontUnderline(value != 0);
        } else if (word == "ulnone") {
            flushText();
            format.setFontUnderline(false);
        } else if (word == "plain") {
            flushText();
            format = QTextCharFormat();
        } else if (word == "fs") {
            flushText();
            if (value > 0)
                format.setFontPointSize(value / 2.0);
        } else if (word == "f") {
            flushText();
            if (inFontTable_) {
                finishFontName();
                currentFontNumber_ = value;
            } else if (fonts_.contains(value)) {
                format.setFontFamilies({fonts_.value(value)});
            }
        } else if (word == "u") {
            addText(QString(QChar(char16_t(value < 0 ? value + 65536 : value))));
            skipStandIns(state().unicodeSkip);
        } else if (word == "uc") {
            state().unicodeSkip = value;
        } else if (word == "fonttbl") {
            inFontTable_ = true;
            fontTableDepth_ = states_.size();
        } else if (word == "colortbl" || word == "stylesheet" || word == "info" || word == "pict" ||
                   word == "header" || word == "footer" || word == "fldinst") {
            state().skip = true;
        }
        Q_UNUSED(hasNumber);
    }

    // The characters that follow \uN for readers without Unicode.
    void skipStandIns(int count)
    {
        for (int i = 0; i < count && pos_ < rtf_.size(); ++i) {
            if (rtf_[pos_] == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'')
                pos_ += 4;
            else if (rtf_[pos_] == '{' || rtf_[pos_] == '}' || rtf_[pos_] == '\\')
                break;
            else
                ++pos_;
        }
    }

    void finishFontName()
    {
        QByteArray name = fontName_.trimmed();
        if (name.endsWith(';'))
            name.chop(1);
        if (currentFontNumber_ >= 0 && !name.isEmpty())
            fonts_.insert(currentFontNumber_, QString::fromLatin1(name));
        fontName_.clear();
    }

    const QByteArray& rtf_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    QStringDecoder decoder_;
    std::vector<GroupState> states_;
    QByteArray pending_;
    bool inFontTable_ = false;
    std::size_t fontTableDepth_ = 0;
    int currentFontNumber_ = -1;
    QByteArray fontName_;
    QHash<int, QString> fonts_;
};

} // namespace

namespace RtfReader
{

void read(const QByteArray& rtf, QTextDocument& document)
{
    if (!rtf.trimmed().startsWith("{\\rtf")) {
        document.setPlainText(QString::fromUtf8(rtf));
        return;
    }
    Reader(rtf, document).run();
}

} // namespace RtfReader
