#include "Korvel.h"
#include "KorvelTransfer.h"

std::int32_t nKorvel = 0;

CKorvel::CKorvel() = default;

CKorvel& CKorvel::operator=(const CKorvel&)
{
    return *this;
}

void* ZI65D4_OpenDevice()
{
    return KorvelOpenDevice(SystemKorvelServices());
}

int ZI65D4_ReadBuffer(void* device, std::uint32_t length, std::uint8_t* buffer,
                      std::uint32_t* bytesReturned)
{
    return KorvelReadBuffer(SystemKorvelServices(), device, length, buffer, bytesReturned);
}

int ZI65D4_WriteBuffer(void* device, std::uint32_t length, const std::uint8_t* buffer,
                       std::uint32_t* bytesReturned)
{
    return KorvelWriteBuffer(SystemKorvelServices(), device, length, buffer, bytesReturned);
}
