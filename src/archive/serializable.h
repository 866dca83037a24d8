#pragma once

namespace vantrel {

class CArchive;

// Every object the archive can store by reference: it names its class (as
// entered in the class registry) and writes or reads its own payload.
class Serializable
{
public:
    virtual ~Serializable() = default;
    virtual const char* ClassName() const = 0;
    virtual void Serialize(CArchive& archive) = 0;

protected:
    Serializable() = default;
    Serializable(const Serializable&) = default;
    Serializable& operator=(const Serializable&) = default;
};

} // namespace vantrel
