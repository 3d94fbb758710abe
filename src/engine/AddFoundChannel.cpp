#include "engine/AddFoundChannel.h"

#include "document/FrequencyList.h"
#include "document/NumberFormat.h"

namespace spurline {

AddFreqDialogModel::CommitResult AddFoundChannel(FrequencyList& list, FrequencySelection& selection,
                                                 ListCommandStates& commands,
                                                 const FinderRequest& request,
                                                 double frequencyMHz) {
    using Model = AddFreqDialogModel;
    const Locale& locale = list.locale();
    Model model(locale);
    model.Activate(list, -1);
    model.SetFrequencyText(FormatNumber(frequencyMHz, "0.00000", locale));
    model.FrequencyLostFocus();
    model.SetOffsetText(
        FormatNumber(request.role == FinderRole::Both ? request.offsetKHz : 0, "0.00", locale));
    model.OffsetLostFocus();
    for (const auto& [group, kHz] : {std::pair{Model::Group::Transmitter, request.txBandwidthKHz},
                                     std::pair{Model::Group::Receiver, request.rxBandwidthKHz}}) {
        model.ChooseBandwidth(group, Model::BandwidthOther);
        model.SetOtherText(group, FormatNumber(kHz, "0.00", locale));
        model.OtherLostFocus(group);
    }
    model.ChooseTxRx(request.role == FinderRole::Tx   ? Model::ChoiceTx
                     : request.role == FinderRole::Rx ? Model::ChoiceRx
                                                      : Model::ChoiceBoth);
    model.ChooseStatus(Model::StatusPlanned);
    return model.Commit(list, selection, commands);
}

} // namespace spurline
