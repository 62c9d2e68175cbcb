#include "GameSound.h"

#include <fstream>
#include <stdexcept>

namespace {

// In the order of the events 1 to 6.
constexpr std::array<const char*, 6> FileNames{
    "title.wav", "start.wav", "retry.wav", "clear.wav", "gameover.wav", "hattrick.wav",
};

} // namespace

GameSound::GameSound(const std::string& folder, GamePlatform& platform)
    : platform(platform)
{
    try {
        for (std::size_t slot = 0; slot < images.size(); ++slot)
            images[slot] = ReadImage(folder + FileNames[slot]);
    } catch (const std::exception&) {
        for (Image& image : images)
            image.reset();
        m_failed = true;
        platform.ShowError(QT_TRANSLATE_NOOP("GamePlatform", "Failed to load sound file."));
    }
}

GameSound::~GameSound()
{
    Stop();
}

// Null when the file cannot be opened (missing, no permission): that sound is simply
// absent. Anything going wrong after a successful open throws. A directory opens but
// cannot be read, so it throws too.
GameSound::Image GameSound::ReadImage(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return nullptr;

    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (!file || size < 0 || static_cast<std::size_t>(size) > MaxImageSize)
        throw std::runtime_error("unreadable sound file");

    auto image = std::make_unique<std::vector<uint8_t>>(static_cast<std::size_t>(size));
    file.seekg(0, std::ios::beg);
    file.read(reinterpret_cast<char*>(image->data()), size);
    if (!file || file.gcount() != size)
        throw std::runtime_error("unreadable sound file");
    return image;
}

void GameSound::Play(int32_t event)
{
    if (!m_enabled || m_failed)
        return;
    if (event < 1 || event > static_cast<int32_t>(images.size()))
        return;

    const Image& image = images[static_cast<std::size_t>(event - 1)];
    if (image)
        platform.PlaySound(image->data(), image->size());
    else
        platform.PlaySound(nullptr, 0);
}

void GameSound::Stop()
{
    platform.StopSound();
}
