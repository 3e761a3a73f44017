#pragma once

// Font application (SetFonts): puts FontNameLumo with FontSizeList on the
// word list, the result list, the word box and the search box, and
// FontNameLumo with FontSizeText on the article view and the speech-example
// view, then lays the left panel out anew. Card windows take FontSizeCard
// when they are filled and are not touched here.

namespace lumolex {

class TFormLumoLex;

class FontApplication
{
public:
    explicit FontApplication(TFormLumoLex *window) : m_window(window) {}

    void run();

private:
    TFormLumoLex *m_window;
};

} // namespace lumolex
