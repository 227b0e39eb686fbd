let bounds = [| 0.25; 0.5; 1.0; 2.5; 10.0 |]
let bucket ms =
  let rec go i =
    if i = Array.length bounds || ms <= bounds.(i) then i else go (i + 1)
  in go 0
let () =
  let counts = Array.make 6 0 in
  List.iter (fun ms -> let b = bucket ms in counts.(b) <- counts.(b) + 1)
    [ 0.37; 1.82; 0.091; 12.4; 4.05; 2.5e-1 ];
  Array.iteri (fun i n -> Printf.printf "bucket %d: %3d\n" i n) counts
