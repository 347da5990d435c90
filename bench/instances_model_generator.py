#!/usr/bin/env python3
"""Writes a valid IFC4 exchange file of about N instances by repeating a realistic storey.

Each storey holds walls with their placements, axis and body geometry, an opening with a window in it, a
property set and base quantities, tied together by the usual relationships. Output is deterministic.

usage: instances_model_generator.py INSTANCES OUTPUT.ifc
"""
import sys

WALLS_PER_STOREY = 20
GUID_CHARS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$"


class Model:
    def __init__(self, out):
        self.out = out
        self.next = 1
        self.guids = 0

    def add(self, text):
        number = self.next
        self.next += 1
        self.out.write("#%d=%s;\n" % (number, text))
        return "#%d" % number

    def guid(self):
        self.guids += 1
        n, chars = self.guids, []
        for _ in range(22):
            chars.append(GUID_CHARS[n % 64])
            n //= 64
        return "'" + "".join(reversed(chars)) + "'"


def placement(m, relative_to, x, y, z):
    point = m.add("IFCCARTESIANPOINT((%.1f,%.1f,%.1f))" % (x, y, z))
    axes = m.add("IFCAXIS2PLACEMENT3D(%s,$,$)" % point)
    return m.add("IFCLOCALPLACEMENT(%s,%s)" % (relative_to, axes))


def box(m, context, width, depth, height, name):
    corner = m.add("IFCCARTESIANPOINT((%.1f,%.1f))" % (width / 2, depth / 2))
    position = m.add("IFCAXIS2PLACEMENT2D(%s,$)" % corner)
    profile = m.add("IFCRECTANGLEPROFILEDEF(.AREA.,'%s',%s,%.1f,%.1f)" % (name, position, width, depth))
    up = m.add("IFCDIRECTION((0.,0.,1.))")
    solid = m.add("IFCEXTRUDEDAREASOLID(%s,$,%s,%.1f)" % (profile, up, height))
    return m.add("IFCSHAPEREPRESENTATION(%s,'Body','SweptSolid',(%s))" % (context, solid))


def wall(m, h, storey_placement, index, elements):
    x = (index % 5) * 5000.0
    y = (index // 5) * 4000.0
    wall_placement = placement(m, storey_placement, x, y, 0.0)
    start = m.add("IFCCARTESIANPOINT((0.,0.))")
    end = m.add("IFCCARTESIANPOINT((5000.,0.))")
    axis_line = m.add("IFCPOLYLINE((%s,%s))" % (start, end))
    axis = m.add("IFCSHAPEREPRESENTATION(%s,'Axis','Curve2D',(%s))" % (h["context"], axis_line))
    body = box(m, h["context"], 5000.0, 200.0, 3000.0, "Wall")
    shape = m.add("IFCPRODUCTDEFINITIONSHAPE($,$,(%s,%s))" % (axis, body))
    the_wall = m.add("IFCWALL(%s,%s,'Wall %d',$,$,%s,%s,$,.STANDARD.)"
                     % (m.guid(), h["owner"], index, wall_placement, shape))

    opening_placement = placement(m, wall_placement, 2000.0, 0.0, 900.0)
    opening_shape = m.add("IFCPRODUCTDEFINITIONSHAPE($,$,(%s))" % box(m, h["context"], 1000.0, 200.0, 1200.0, "Opening"))
    opening = m.add("IFCOPENINGELEMENT(%s,%s,'Opening',$,$,%s,%s,$,.OPENING.)"
                    % (m.guid(), h["owner"], opening_placement, opening_shape))
    m.add("IFCRELVOIDSELEMENT(%s,%s,$,$,%s,%s)" % (m.guid(), h["owner"], the_wall, opening))
    window = m.add("IFCWINDOW(%s,%s,'Window %d',$,$,%s,$,$,1200.,1000.,.WINDOW.,.SINGLE_PANEL.,$)"
                   % (m.guid(), h["owner"], index, placement(m, opening_placement, 0.0, 0.0, 0.0)))
    m.add("IFCRELFILLSELEMENT(%s,%s,$,$,%s,%s)" % (m.guid(), h["owner"], opening, window))

    properties = [
        m.add("IFCPROPERTYSINGLEVALUE('IsExternal',$,IFCBOOLEAN(%s),$)" % (".T." if index < 10 else ".F.")),
        m.add("IFCPROPERTYSINGLEVALUE('Reference',$,IFCIDENTIFIER('W-%d'),$)" % index),
        m.add("IFCPROPERTYSINGLEVALUE('ThermalTransmittance',$,IFCTHERMALTRANSMITTANCEMEASURE(0.24),$)"),
        m.add("IFCPROPERTYSINGLEVALUE('LoadBearing',$,IFCBOOLEAN(.T.),$)"),
    ]
    pset = m.add("IFCPROPERTYSET(%s,%s,'Pset_WallCommon',$,(%s))" % (m.guid(), h["owner"], ",".join(properties)))
    m.add("IFCRELDEFINESBYPROPERTIES(%s,%s,$,$,(%s),%s)" % (m.guid(), h["owner"], the_wall, pset))
    length = m.add("IFCQUANTITYLENGTH('Length',$,$,5000.,$)")
    height = m.add("IFCQUANTITYLENGTH('Height',$,$,3000.,$)")
    quantities = m.add("IFCELEMENTQUANTITY(%s,%s,'Qto_WallBaseQuantities',$,$,(%s,%s))"
                       % (m.guid(), h["owner"], length, height))
    m.add("IFCRELDEFINESBYPROPERTIES(%s,%s,$,$,(%s),%s)" % (m.guid(), h["owner"], the_wall, quantities))
    elements += [the_wall, window]


def project(m):
    person = m.add("IFCPERSON($,'Builder',$,$,$,$,$,$)")
    organization = m.add("IFCORGANIZATION($,'Sartell Bench',$,$,$)")
    person_org = m.add("IFCPERSONANDORGANIZATION(%s,%s,$)" % (person, organization))
    application = m.add("IFCAPPLICATION(%s,'1.0','Storey generator','SartellBench')" % organization)
    owner = m.add("IFCOWNERHISTORY(%s,%s,$,.ADDED.,1700000000,$,$,1700000000)" % (person_org, application))
    origin = m.add("IFCCARTESIANPOINT((0.,0.,0.))")
    world = m.add("IFCAXIS2PLACEMENT3D(%s,$,$)" % origin)
    context = m.add("IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,%s,$)" % world)
    length_unit = m.add("IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)")
    angle_unit = m.add("IFCSIUNIT(*,.PLANEANGLEUNIT.,$,.RADIAN.)")
    units = m.add("IFCUNITASSIGNMENT((%s,%s))" % (length_unit, angle_unit))
    the_project = m.add("IFCPROJECT(%s,%s,'Bench project',$,$,$,$,(%s),%s)" % (m.guid(), owner, context, units))
    site_placement = placement(m, "$", 0.0, 0.0, 0.0)
    site = m.add("IFCSITE(%s,%s,'Site',$,$,%s,$,$,.ELEMENT.,$,$,$,$,$)" % (m.guid(), owner, site_placement))
    m.add("IFCRELAGGREGATES(%s,%s,$,$,%s,(%s))" % (m.guid(), owner, the_project, site))
    building_placement = placement(m, site_placement, 0.0, 0.0, 0.0)
    building = m.add("IFCBUILDING(%s,%s,'Building',$,$,%s,$,$,.ELEMENT.,$,$,$)"
                     % (m.guid(), owner, building_placement))
    m.add("IFCRELAGGREGATES(%s,%s,$,$,%s,(%s))" % (m.guid(), owner, site, building))
    material = m.add("IFCMATERIAL('Concrete',$,'Structure')")
    return {"owner": owner, "context": context, "building": building, "placement": building_placement,
            "material": material}


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    target = int(sys.argv[1])
    with open(sys.argv[2], "w", buffering=1 << 20) as out:
        out.write("ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('ViewDefinition [DesignTransferView]'),'2;1');\n"
                  "FILE_NAME('bench.ifc','2024-01-01T00:00:00',('Sartell'),('Sartell'),'','storey generator','');\n"
                  "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n")
        m = Model(out)
        h = project(m)
        level = 0
        while m.next <= target:
            storey_placement = placement(m, h["placement"], 0.0, 0.0, 3000.0 * level)
            storey = m.add("IFCBUILDINGSTOREY(%s,%s,'Level %d',$,$,%s,$,$,.ELEMENT.,%.1f)"
                           % (m.guid(), h["owner"], level, storey_placement, 3000.0 * level))
            m.add("IFCRELAGGREGATES(%s,%s,$,$,%s,(%s))" % (m.guid(), h["owner"], h["building"], storey))
            elements = []
            for index in range(WALLS_PER_STOREY):
                wall(m, h, storey_placement, index, elements)
            m.add("IFCRELCONTAINEDINSPATIALSTRUCTURE(%s,%s,$,$,(%s),%s)"
                  % (m.guid(), h["owner"], ",".join(elements), storey))
            walls = ",".join(elements[0::2])
            m.add("IFCRELASSOCIATESMATERIAL(%s,%s,$,$,(%s),%s)" % (m.guid(), h["owner"], walls, h["material"]))
            level += 1
        out.write("ENDSEC;\nEND-ISO-10303-21;\n")
    print(m.next - 1)


if __name__ == "__main__":
    main()
