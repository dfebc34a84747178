#pragma once

// Receives requests to compose and present the picture again.
class IRenderListener {
public:
    virtual ~IRenderListener() = default;
    virtual void OnRenderRequest(void* sender) = 0;
};
