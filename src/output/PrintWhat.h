#pragma once

namespace spurline {

// One "Print What" box of the print dialog: a part is selected when its box is both checked and
// available.
struct PrintOption {
    bool checked = true;
    bool available = true;
    bool selected() const { return checked && available; }
};

// The three "Print What" options; the printout and the text export share them. They start
// checked and available; availability is recomputed only when the print dialog opens.
struct PrintWhat {
    PrintOption spectrumDisplay; // "Spectrum &display"
    PrintOption intermodList;    // "&Intermod list"
    PrintOption frequencyList;   // "&Frequency list"

    bool anySelected() const {
        return spectrumDisplay.selected() || intermodList.selected() || frequencyList.selected();
    }

    void Recompute(int productCount, int frequencyRows, bool windowVisible) {
        intermodList.available = productCount > 0;
        frequencyList.available = frequencyRows > 0;
        spectrumDisplay.available = windowVisible;
    }
};

} // namespace spurline
