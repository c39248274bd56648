#include "preparation/CatalogPreviewPrintout.h"

namespace CatalogPreviewPrintout
{

namespace
{

using Kind = CatalogPart::Kind;

class Preview
{
public:
    Preview(const CatalogContent& content, const CatalogPreviewOptions& options)
        : content_(content), options_(options),
          listing_(ClassCodes::sectionName(content.section) + QStringLiteral(" Catalog"))
    {
        listing_.setTabStops({30, 150, 250, 350});
        listing_.setHangingIndent(30);
        listing_.setPageHeader(content.show.clubName);
    }

    RichListing build()
    {
        const auto& parts = content_.parts;
        bool firstHeading = true;
        bool anyClass = false;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const CatalogPart& part = parts[i];
            switch (part.kind) {
            case Kind::GroupHeading:
                if (firstHeading) {
                    if (options_.clubName)
                        line(10, true, u'\t' + content_.show.clubName);
                    if (options_.showDate)
                        line(10, true, u'\t' + content_.show.dateText);
                    firstHeading = false;
                }
                empty(1);
                line(14, true, u'\t' + part.text);
                break;
            case Kind::GroupBreak:
                // The next class's separation comes before its group's heading.
                empty(options_.groupLines + 1);
                break;
            case Kind::ClassTitle:
                if (anyClass && parts[i - 1].kind != Kind::GroupHeading)
                    empty(options_.groupLines + 1);
                anyClass = true;
                empty(options_.classLines);
                line(12, true, u'\t' + part.text);
                empty(options_.classLines);
                break;
            case Kind::JudgeLine:
                empty(1);
                line(10, true, u'\t' + part.text);
                if (i + 1 == parts.size() || parts[i + 1].kind != Kind::JudgeLine)
                    empty(1);
                break;
            case Kind::LinkHeading:
                if (!part.linkCode.trimmed().isEmpty()) {
                    empty(1);
                    line(10, true, part.text);
                }
                break;
            case Kind::Entry:
                entry(part, content_.entryOf(i));
                break;
            case Kind::Placements:
                for (const CatalogPart::Block& block : part.blocks) {
                    empty(options_.footerLines + 1);
                    if (!block.weekdayLine.isEmpty())
                        line(10, false, block.weekdayLine);
                    line(10, false, block.placeLine);
                    empty(options_.footerLines + 1);
                    if (!block.scoreLine.isEmpty()) {
                        line(10, false, block.scoreLine);
                        empty(options_.footerLines + 1);
                    }
                }
                break;
            case Kind::Footer:
                for (const QString& footer : part.lines) {
                    empty(options_.footerLines);
                    line(8, true, footer);
                }
                break;
            }
        }
        return std::move(listing_);
    }

private:
    void line(double points, bool bold, const QString& text)
    {
        listing_.setFont(QStringLiteral("Arial"), points);
        listing_.setBold(bold);
        listing_.addLine(text);
    }

    void empty(int count)
    {
        for (int i = 0; i < count; ++i)
            line(10, false, QString());
    }

    void entry(const CatalogPart& part, const CatalogContent::Entry& e)
    {
        if (!part.firstOfLinkGroup)
            empty(1);
        empty(options_.entryLines + 1);
        const QString& score = part.scores[0];
        QString text;
        if (content_.show.trials == 1) {
            text = content_.results && !score.isEmpty()
                       ? u' ' + score + QStringLiteral("  ") + e.armband
                       : QStringLiteral("______  ") + e.armband;
        } else {
            QString armband = e.armband;
            if (part.firstOfLinkGroup) {
                for (int trial = 1; trial <= content_.show.trials; ++trial)
                    armband += u'\t' + trialColumn(part, e, trial);
            }
            line(10, false, armband);
            text = QStringLiteral("\t");
        }
        text += QStringLiteral(".  ") + e.dogName + QStringLiteral("  ");
        if (options_.caps)
            text = text.toUpper();
        line(10, false, text + e.previewDetails);
    }

    QString trialColumn(const CatalogPart& part, const CatalogContent::Entry& e, int trial) const
    {
        if (!e.runs[trial - 1])
            return QString(11, u' ');
        const QString& day = content_.show.weekdays[trial - 1];
        const QString& score = part.scores[trial - 1];
        if (content_.results && !score.isEmpty())
            return day + QStringLiteral(": ") + score + QStringLiteral("  ");
        return day + QStringLiteral(":  _______ ");
    }

    const CatalogContent& content_;
    const CatalogPreviewOptions& options_;
    RichListing listing_;
};

} // namespace

RichListing listing(const CatalogContent& content, const CatalogPreviewOptions& options)
{
    return Preview(content, options).build();
}

QString fileName(ClassCodes::Section section)
{
    return ClassCodes::sectionName(section) + QStringLiteral(".rtf");
}

} // namespace CatalogPreviewPrintout
