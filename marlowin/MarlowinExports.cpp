#include "Marlowin.h"
#include "MarlowinTransfer.h"

void* MARLOWIN_CALL ZI65D4_OpenDevice(uint32_t)
{
    return MarlowinOpenDevice(SystemMarlowinServices());
}

int32_t MARLOWIN_CALL ZI65D4_WriteBuffer(void* device, uint32_t length, const uint8_t* data,
                                         int32_t* bytesWritten)
{
    return MarlowinWriteBuffer(SystemMarlowinServices(), device, length, data, bytesWritten);
}

int32_t MARLOWIN_CALL ZI65D4_ReadBuffer(void* device, uint32_t length, uint8_t* buffer,
                                        int32_t* bytesRead)
{
    return MarlowinReadBuffer(SystemMarlowinServices(), device, length, buffer, bytesRead);
}

int32_t MARLOWIN_CALL ZI65D4_CloseDevice(void* device)
{
    return MarlowinCloseDevice(SystemMarlowinServices(), device);
}
