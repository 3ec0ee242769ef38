#pragma once
// Mail: hands one message with at most one attached file to the desktop's
// mail client, which shows it to the user to send or discard.

#include <QString>

namespace qtapp {
class PlatformServices;
}

// Any text may be empty: that item is not given.  The desktop's hand-over
// knows no sender, so SenderName and SenderAddress only matter for a
// recipient shown by name.  An empty RecipientAddress sends to nobody (the
// client asks), whatever RecipientName holds; an empty RecipientName shows
// the address.  Returns 0 on success, else the hand-over's result (see
// PlatformServices::SendMail), which is shown as MailFailureText says.
int SendMail(qtapp::PlatformServices& Services, const QString& Subject, const QString& Body,
             const QString& AttachmentPath, const QString& SenderName,
             const QString& SenderAddress, const QString& RecipientName,
             const QString& RecipientAddress);

// The recipient as the hand-over takes it: the bare address, or
// "Name <address>" when a different name is given; empty without address.
QString MailRecipient(const QString& RecipientName, const QString& RecipientAddress);

// What a failed hand-over is shown as: which program was missing when the
// hand-over program or a mail client was (else "Error sending mail (N)."),
// then where the file to send lies and to whom it goes.
QString MailFailureText(int Result, const QString& AttachmentPath, const QString& RecipientAddress);
