#include "app/AnnouncementCard.h"

#include "app/Application.h"

namespace corvatto {

void SetUpAnnouncementCard(HWND, int, int, int, int, const std::string& text)
{
    // The card reads its text when it is created, so the text is in place first. Attaching the host,
    // creating the card and the fade-in arrive with the framework.
    App().cardText = text;
}

} // namespace corvatto
