#include "assets/reader_3ds.h"

#include "fuzz_input.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Model3ds model;
    if (!import3ds(model, writeFuzzInput(data, size)))
        return 0;
    // Every face must name existing vertices and every vertex have a normal.
    for (const Object3ds& object : model.objects) {
        if (object.normals.size() != static_cast<size_t>(object.numVerts)
            || object.faces.size() != static_cast<size_t>(object.numFaces)
            || object.name[nameFieldSize - 1] != '\0')
            __builtin_trap();
        for (const Face3ds& face : object.faces)
            for (int index : face.vertIndex)
                if (index < 0 || index >= object.numVerts)
                    __builtin_trap();
    }
    for (const Material3ds& material : model.materials)
        if (material.name[nameFieldSize - 1] != '\0' || material.file[nameFieldSize - 1] != '\0')
            __builtin_trap();
    return 0;
}
