#include "core/colours/channelcolourmodel.h"

#include "core/colours/designcolours.h"
#include "core/files/colourfile.h"

namespace chaserom {

ChannelColourModel::ChannelColourModel(QObject* parent)
    : QObject(parent)
    , m_colours(DesignColours) {}

void ChannelColourModel::setColour(int channel, Bgr colour) {
    m_colours.at(channel) = colour;
    emit colourChanged(channel);
}

FileFailure ChannelColourModel::load(const QString& path) {
    m_colours = DesignColours;
    auto failure = loadColourFile(path, m_colours);
    emit coloursReplaced();
    return failure;
}

FileFailure ChannelColourModel::save(const QString& path) const {
    return saveColourFile(path, m_colours);
}

} // namespace chaserom
