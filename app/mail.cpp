// Mail through the platform services: no shell ever sees a text.

#include "app/mail.h"

#include "platform/qtapp/services.h"

QString MailRecipient(const QString& RecipientName, const QString& RecipientAddress) {
    if (RecipientAddress.isEmpty()) return {};
    // A name with characters that would break the "Name <address>" form is
    // left out rather than quoted: the address is what delivers.
    const bool plainName = !RecipientName.isEmpty() && RecipientName != RecipientAddress &&
                           !RecipientName.contains(QLatin1Char('<')) &&
                           !RecipientName.contains(QLatin1Char('>')) &&
                           !RecipientName.contains(QLatin1Char(',')) &&
                           !RecipientName.contains(QLatin1Char('"'));
    if (!plainName) return RecipientAddress;
    return RecipientName.trimmed() + QStringLiteral(" <") + RecipientAddress + QLatin1Char('>');
}

int SendMail(qtapp::PlatformServices& Services, const QString& Subject, const QString& Body,
             const QString& AttachmentPath, const QString& SenderName,
             const QString& SenderAddress, const QString& RecipientName,
             const QString& RecipientAddress) {
    static_cast<void>(SenderName);
    static_cast<void>(SenderAddress);
    const int result =
        Services.SendMail(MailRecipient(RecipientName, RecipientAddress), Subject, Body,
                          AttachmentPath);
    if (result != 0)
        Services.ShowError(MailFailureText(result, AttachmentPath, RecipientAddress));
    return result;
}

QString MailFailureText(int Result, const QString& AttachmentPath, const QString& RecipientAddress) {
    QString text;
    switch (Result) {
    case qtapp::PlatformServices::kMailNoHandOver:
        text = QStringLiteral("Error sending mail: the program xdg-email (of xdg-utils), which hands "
                              "the mail to the mail client, could not be started.");
        break;
    case qtapp::PlatformServices::kMailNoClient:
        text = QStringLiteral("Error sending mail: no mail client was found to write the mail with.");
        break;
    default:
        text = QStringLiteral("Error sending mail (") + QString::number(Result) + QStringLiteral(").");
        break;
    }
    if (!AttachmentPath.isEmpty()) {
        text += QStringLiteral("\nThe venue file is saved as %1").arg(AttachmentPath);
        text += RecipientAddress.isEmpty()
                    ? QStringLiteral(".")
                    : QStringLiteral(": it can be sent to %1 from any mail program.").arg(RecipientAddress);
    }
    return text;
}
