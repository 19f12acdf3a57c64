#include "SimulatedTuner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

constexpr std::int32_t Down = 0;
constexpr std::int32_t Up = 1;
constexpr std::int32_t Stop = -1;

}

SimulatedTuner::SimulatedTuner(TunerBand band, std::vector<std::int32_t> stations,
                               std::chrono::milliseconds scanInterval)
    : m_band(band), m_stations(std::move(stations)), m_scanInterval(scanInterval), m_frequency(band.low)
{
    std::sort(m_stations.begin(), m_stations.end());
}

std::int32_t SimulatedTuner::SetMode(std::int32_t mode)
{
    m_on = mode != 0;
    if (!m_on) {
        EndScan();
    }
    return 1;
}

std::int32_t SimulatedTuner::GetFrequency(std::int32_t slot) const
{
    if (slot == 0) {
        return m_frequency;
    }
    return slot > 0 && slot <= SlotCount ? m_slots[slot] : 0;
}

std::int32_t SimulatedTuner::SetFrequency(std::int32_t slot, std::int32_t frequency)
{
    if (slot < 0 || slot > SlotCount) {
        return 0;
    }
    if (slot == 0) {
        m_frequency = Clamped(frequency);
    } else {
        m_slots[slot] = Clamped(frequency);
    }
    return 1;
}

std::int32_t SimulatedTuner::AutoScan(std::int32_t direction)
{
    if (direction == Stop) {
        EndScan();
        return 1;
    }
    if (direction != Down && direction != Up) {
        return 0;
    }
    if (!m_on) {
        return 1;
    }

    m_scanDirection = direction;
    m_scanning = true;
    if (QCoreApplication::instance()) {
        ScanWithEventLoop();
    } else {
        ScanWithoutEventLoop();
    }
    return 1;
}

std::int32_t SimulatedTuner::OneStep(std::int32_t direction)
{
    if (direction != Down && direction != Up) {
        return 0;
    }
    m_frequency = Neighbour(m_frequency, direction);
    return 1;
}

std::int32_t SimulatedTuner::GetLocation(std::int32_t, std::int32_t* low, std::int32_t* high,
                                         std::int32_t* other) const
{
    if (low) {
        *low = m_band.low;
    }
    if (high) {
        *high = m_band.high;
    }
    if (other) {
        *other = m_band.step;
    }
    return 1;
}

std::int32_t SimulatedTuner::GetStereo() const
{
    return m_on && IsStation(m_frequency) ? 1 : 0;
}

std::int32_t SimulatedTuner::CloseRadio()
{
    EndScan();
    m_on = false;
    return 1;
}

bool SimulatedTuner::Scanning() const
{
    return m_scanning;
}

std::int32_t SimulatedTuner::Clamped(std::int32_t frequency) const
{
    return std::clamp(frequency, m_band.low, m_band.high);
}

std::int32_t SimulatedTuner::Neighbour(std::int32_t frequency, std::int32_t direction) const
{
    const std::int32_t offset = frequency - m_band.low;
    if (direction == Up) {
        const std::int32_t next = m_band.low + (offset / m_band.step + 1) * m_band.step;
        return next > m_band.high ? m_band.low : next;
    }
    const std::int32_t next = m_band.low + ((offset + m_band.step - 1) / m_band.step - 1) * m_band.step;
    return next < m_band.low ? m_band.high : next;
}

bool SimulatedTuner::IsStation(std::int32_t frequency) const
{
    return std::binary_search(m_stations.begin(), m_stations.end(), frequency);
}

// Each call waits in a loop of its own that its own ticker wakes; only the
// innermost call, the one whose loop is running, takes steps. An outer call
// whose ticker fired meanwhile just finds, once the inner call is back, that
// the scan has ended.
void SimulatedTuner::ScanWithEventLoop()
{
    QEventLoop wait;
    QTimer ticker;
    ticker.setInterval(m_scanInterval);
    QObject::connect(&ticker, &QTimer::timeout, &wait, &QEventLoop::quit);
    m_waits.push_back(&wait);
    ticker.start();
    while (m_scanning) {
        wait.exec();
        if (!m_scanning) {
            break;
        }
        m_frequency = Neighbour(m_frequency, m_scanDirection);
        if (IsStation(m_frequency)) {
            EndScan();
        }
    }
    m_waits.erase(std::find(m_waits.begin(), m_waits.end(), &wait));
}

void SimulatedTuner::ScanWithoutEventLoop()
{
    const std::int32_t rasterSize = (m_band.high - m_band.low) / m_band.step + 1;
    for (std::int32_t stepsTaken = 0; stepsTaken < rasterSize; ++stepsTaken) {
        m_frequency = Neighbour(m_frequency, m_scanDirection);
        if (IsStation(m_frequency)) {
            break;
        }
    }
    m_scanning = false;
}

void SimulatedTuner::EndScan()
{
    m_scanning = false;
    for (QEventLoop* wait : m_waits) {
        wait->quit();
    }
}
