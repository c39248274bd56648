#include "Messages.h"

void Messages::inform(const QString& text, const QString& caption)
{
    ask({text, QStringLiteral("&OK"), MessageKind::Information, caption, {}});
}

void Messages::error(const QString& text)
{
    ask({text, QStringLiteral("&OK"), MessageKind::Error, {}, {}});
}

QChar Messages::buttonLetter(const QString& caption)
{
    const qsizetype amp = caption.indexOf(u'&');
    if (amp >= 0 && amp + 1 < caption.size())
        return caption.at(amp + 1).toUpper();
    return caption.isEmpty() ? QChar() : caption.at(0).toUpper();
}

QStringList Messages::buttonCaptions(const QString& buttons)
{
    QStringList captions = buttons.split(u' ', Qt::SkipEmptyParts);
    for (QString& c : captions)
        c.replace(u'_', u' ');
    return captions;
}

QString Messages::displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral(";"));
    shown.replace(u'\n', u';');
    shown.replace(u';', u'\n');
    return shown;
}

QChar Messages::cautiousLetter(const MessageRequest& request)
{
    if (!request.cautiousAnswer.isNull())
        return request.cautiousAnswer.toUpper();
    const QStringList captions = buttonCaptions(request.buttons);
    return captions.isEmpty() ? QChar(u'O') : buttonLetter(captions.first());
}
