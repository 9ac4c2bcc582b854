#include "help_pages.h"

namespace {

struct Topic {
    int number;
    const char* title;
    const char* body; // HTML paragraphs
};

constexpr Topic kTopics[] = {
    {1000, "The main window",
     "<p>The main window shows the items of the open project in a grid, one item per row and one "
     "field per column. Above the grid are the tool bars and the <b>Chosen Item</b> bar, which "
     "shows the name and file of the current item and whether its info file and screenshot "
     "exist. Below the grid the CD size bar (View Control, CD Size Status) shows how full the "
     "project folder is; a folder above 700 MB turns the bar red.</p>"
     "<p>Open a project with <b>Open</b> (F3), save it with <b>Save</b> (F2) or <b>Save As</b> "
     "(Alt+F3). The last six projects are listed at the end of the Project Control menu.</p>"},
    {1100, "Tool bars and menus",
     "<p>The five tool bars (Project, Environment, Zent, Item and Chosen Item Controls) can be "
     "hidden one by one in View Control, Toolbars. <b>Button Captions</b> switches the captions "
     "under the pictures on and off; without captions, <b>Button Size</b> chooses small or "
     "large pictures. Drag a tool bar by its handle to arrange it; the arrangement is kept "
     "for the next start.</p>"},
    {1200, "Settings",
     "<p>Zent Control, Settings holds the switches for the welcome screen, the add-item tip and "
     "the dialog background pictures, and the grid options: the grid mode (None, Column Move, "
     "Quick Sort), Restore Grid Settings, Auto Grid Size, the columns to show and the two row "
     "colours. Zent Control, Language switches the designer's language.</p>"
     "<p>All settings are stored in <code>vardeo.dat</code> in the program folder when the "
     "designer closes.</p>"},
    {1600, "Editing items",
     "<p>Double-click a cell, press Space on it, or use the <b>Edit</b> entries of the grid's "
     "pop-up menu (right mouse button) to change one field of an item. Text fields open a "
     "one-line editor, Copy and Execute a yes/no question, Rating a slider, Category and "
     "Language a list.</p>"
     "<p>Some fields do not apply to every kind of item: a jump point keeps its file name, a "
     "hyperlink has no CD path, and neither can be copied or take parameters.</p>"
     "<p><b>Remove</b> (Del) removes the current item, <b>Sort</b> (Ctrl+S) groups the items by "
     "category and sorts them by name. Rows can be dragged to a new place. Files dropped onto "
     "the grid become new items; a dropped folder asks whether to add it as a jump point.</p>"},
    {1700, "Finding items",
     "<p><b>Find</b> (Ctrl+F) searches the grid for a text. <b>Case sensitive</b> tells upper "
     "and lower case apart, <b>Whole words only</b> finds the text only as a word of its own, "
     "<b>Regular expressions</b> reads the text as a pattern (for example <code>^Setup</code> "
     "for cells that begin with Setup). The direction chooses whether each column is searched "
     "from top to bottom first or each row from left to right; the scope limits the search to "
     "the current column or row. <b>Find next</b> (Ctrl+Shift+F) continues after the last "
     "hit.</p>"},
};

std::string page(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Tarnic - Vardeo - " + title +
           "</title>\n<style>body{font-family:sans-serif;max-width:46em;margin:2em auto;line-height:1.45}"
           "h1{font-size:1.4em;color:#234}</style></head>\n<body>\n<h1>" + title + "</h1>\n" + body +
           "\n<p><a href=\"index.htm\">Contents</a></p>\n</body></html>\n";
}

} // namespace

std::vector<HelpPage> helpPages() {
    std::vector<HelpPage> pages;
    std::string contents = "<ul>\n";
    for (const Topic& t : kTopics) {
        const std::string file = std::to_string(t.number) + ".htm";
        pages.push_back({file, page(t.title, t.body)});
        contents += "<li><a href=\"" + file + "\">" + t.title + "</a></li>\n";
    }
    contents += "</ul>\n";
    pages.push_back({"index.htm", page("Help contents", contents)});
    return pages;
}
