#include "assets/model_instance.h"

#include "assets/textures.h"

ModelInstance figureModel;
ModelInstance arrowModel;

namespace {

// The texture of an object, or nullptr when it is drawn untextured: no
// texture flag, or a material index outside the texture table.
const GLuint* objectTexture(const ModelInstance& instance, const Object3ds& object)
{
    if (!object.hasTexture || object.materialId < 0 || object.materialId >= modelTextureSlots)
        return nullptr;
    return &instance.textures[object.materialId];
}

void drawObject(const ModelInstance& instance, const Object3ds& object)
{
    const Model3ds& model = instance.model;
    const GLuint* texture = objectTexture(instance, object);
    if (texture) {
        glEnable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
        glBindTexture(GL_TEXTURE_2D, *texture);
    } else {
        glDisable(GL_TEXTURE_2D);
        glColor3f(1.0f, 1.0f, 1.0f);
    }
    const bool materialColour = !texture && !model.materials.empty() && object.materialId >= 0
        && object.materialId < static_cast<int>(model.materials.size());
    const bool hasMapping = !object.texVerts.empty();
    glBegin(GL_TRIANGLES);
    for (const Face3ds& face : object.faces) {
        for (int index : face.vertIndex) {
            const Vec3& vNormal = object.normals[index];
            glNormal3f(vNormal.x, vNormal.y, vNormal.z);
            if (materialColour) {
                const unsigned char* rgb = model.materials[object.materialId].color;
                glColor3ub(rgb[0], rgb[1], rgb[2]);
            } else if (texture && hasMapping) {
                // A mapping list shorter than the vertex list gives (0, 0) beyond its end.
                const Vec2 uv = index < object.numTexVerts ? object.texVerts[index] : Vec2{};
                glTexCoord2f(uv.u, uv.v);
            }
            if (instance.useColor)
                glColor3f(instance.color[0], instance.color[1], instance.color[2]);
            const Vec3& vertex = object.verts[index];
            glVertex3f(vertex.x * instance.scale, vertex.y * instance.scale, vertex.z * instance.scale);
        }
    }
    glEnd();
}

} // namespace

bool ModelInstance::load(const char* fileName)
{
    if (!import3ds(reader, model, fileName))
        return false;
    const int textured = model.numMaterials < modelTextureSlots ? model.numMaterials : modelTextureSlots;
    for (int i = 0; i < textured; ++i) {
        if (model.materials[i].file[0] != '\0')
            loadTexture(textures, model.materials[i].file, i);
    }
    return true;
}

void ModelInstance::draw()
{
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation[0], 1.0f, 0.0f, 0.0f);
    glRotatef(rotation[1], 0.0f, 1.0f, 0.0f);
    glRotatef(rotation[2], 0.0f, 0.0f, 1.0f);
    for (const Object3ds& object : model.objects)
        drawObject(*this, object);
    glPopMatrix();
}

void ModelInstance::setPosition(float x, float y, float z) { position = {x, y, z}; }

void ModelInstance::setRotation(float x, float y, float z)
{
    rotation[0] = x;
    rotation[1] = y;
    rotation[2] = z;
}

void ModelInstance::setScale(float s) { scale = s < 0.0f ? 1.0f : s; }

void ModelInstance::setColor(float r, float g, float b)
{
    color[0] = r;
    color[1] = g;
    color[2] = b;
}

void ModelInstance::setUseColor(bool flag) { useColor = flag; }
